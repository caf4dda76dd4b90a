// The firmware check tool's window logic: language choice and switch, the reset before each check,
// and the device changes that call for a new check.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GaugeFixture.h"
#include "gauge/GaugeSession.h"

using namespace gauge;
using namespace gauge::fixture;
using ::testing::ElementsAre;

namespace {

class RecordingView : public GaugeView {
public:
    void languageChanged(Language language) override { languages.push_back(language); }
    void textChanged(const std::string& text) override { texts.push_back(text); }
    std::vector<Language> languages;
    std::vector<std::string> texts;
};

struct SessionFixture : GaugeFixture {
    RecordingView view;
    GaugeSession session{ports(), view};
};

const std::string kUsbRequiredEnglish = "\nThe TK560-USB reader has the required firmware V5.10.\n";
const std::string kUsbRequiredGerman = "\nDer TK560-USB Leser hat die erforderliche Firmwareversion V5.10.\n";

TEST(GaugeSession, StartsInGermanOnlyForGermanAsUsedInGermany) {
    const std::pair<std::uint16_t, Language> cases[] = {
        {0x0407, Language::German},  {0x0C07, Language::English}, {0x0807, Language::English},
        {0x0007, Language::English}, {0x0409, Language::English}, {0x040C, Language::English},
    };
    for (const auto& [langId, language] : cases) {
        SessionFixture f;
        f.addReader(kUsb + " 0");
        f.machine.system.langId = langId;
        f.session.start();
        EXPECT_THAT(f.view.languages, ElementsAre(language)) << std::hex << langId;
        EXPECT_THAT(f.view.texts, ElementsAre(language == Language::German ? kUsbRequiredGerman : kUsbRequiredEnglish))
            << std::hex << langId;
        EXPECT_EQ(2, f.contextsEstablished());
    }
}

TEST(GaugeSession, EachLanguageSwitchChecksAgain) {
    SessionFixture f;
    f.addReader(kUsb + " 0");
    f.session.start();
    f.machine.smartCard.reader(kUsb + " 0")->replies[cardreader::kVersionRequestCode].bytes = versionReply(5, 0x11);
    f.session.switchLanguage();
    f.machine.smartCard.readers.clear();
    f.session.switchLanguage();
    EXPECT_THAT(f.view.languages, ElementsAre(Language::English, Language::German, Language::English));
    EXPECT_THAT(f.view.texts,
                ElementsAre(kUsbRequiredEnglish,
                            "\nDer TK560-USB Leser hat die Firmwareversion V5.11.\nDie erforderliche Firmwareversion ist V5.10!\n",
                            "\n\n\nNo TK560 reader found!"));
    EXPECT_EQ(2 + 2 + 1, f.contextsEstablished());
}

TEST(GaugeSession, ArrivalRemovalAndTreeChangesCheckAgainInTheSameLanguage) {
    const std::uintptr_t recheck[] = {0x8000, 0x8004, 0x0007};
    for (std::uintptr_t event : recheck) {
        SessionFixture f;
        f.machine.system.langId = 0x0407;
        f.session.start();
        f.addReader(kUsb + " 0");
        EXPECT_TRUE(f.session.deviceChanged(event)) << event;
        EXPECT_EQ(kUsbRequiredGerman, f.view.texts.back()) << event;
        EXPECT_THAT(f.view.languages, ElementsAre(Language::German)) << event;

        // The marks of the last check are cleared first: a reader that went is not asked again.
        f.machine.smartCard.readers.clear();
        f.machine.smartCard.calls.clear();
        EXPECT_TRUE(f.session.deviceChanged(event)) << event;
        EXPECT_EQ("\n\n\nEs ist kein TK560 Leser angeschlossen!", f.view.texts.back()) << event;
        EXPECT_EQ(1, f.contextsEstablished()) << event;
        EXPECT_FALSE(f.session.state().usbReaderSeen) << event;
    }
}

TEST(GaugeSession, OtherDeviceEventsLeaveTheTextAlone) {
    // DBT_QUERYCHANGECONFIG, DBT_CONFIGCHANGED, DBT_CONFIGCHANGECANCELED, DBT_DEVICEQUERYREMOVE,
    // DBT_DEVICEREMOVEPENDING, DBT_CUSTOMEVENT, DBT_USERDEFINED
    const std::uintptr_t ignored[] = {0x0017, 0x0018, 0x0019, 0x8001, 0x8003, 0x8006, 0xFFFF};
    SessionFixture f;
    f.session.start();
    f.addReader(kUsb + " 0");
    const auto callsBefore = f.machine.smartCard.calls.size();
    for (std::uintptr_t event : ignored) EXPECT_FALSE(f.session.deviceChanged(event)) << event;
    EXPECT_EQ(callsBefore, f.machine.smartCard.calls.size());
    EXPECT_EQ(1u, f.view.texts.size());
    EXPECT_EQ("\n\n\nNo TK560 reader found!", f.session.currentText());
}

}  // namespace
