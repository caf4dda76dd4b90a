// The driver check: which readers are found, the lines in both languages, the flags the run reads,
// the service calls, and the Windows 98/ME Plug-and-Play walk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ReaderCheck.h"
#include "ReaderFixture.h"

namespace probe {
namespace {

using platform::RegRoot;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kUsbLine = "    The TK560 USB driver V2.03 is started.";

struct ReaderCheck : ::testing::Test, testing::ReaderFixture {
    void check(int osFamily = 2) {
        auto e = env();
        checkReaderAndDriver(e, osFamily);
    }
    void plugAndPlayDevice(const std::string& key, const std::string& hardwareKey) {
        machine.registry.setString(RegRoot::DynData, "Config Manager\\Enum\\" + key, "HardWareKey", hardwareKey);
    }
};

TEST_F(ReaderCheck, FindsAReaderInAnyLetterCaseAndReportsItsDriverInBothLanguages) {
    reader("Kavrin tk560 usb 0");
    check();
    EXPECT_THAT(lines(), ElementsAre("Driver check:", kUsbLine));
    EXPECT_TRUE(run().readerFound);
    EXPECT_EQ(0, run().readerIndex);
    EXPECT_FALSE(run().secondaryReaderFound);
    EXPECT_THAT(session.state.matchedReaders, ElementsAre("Kavrin tk560 usb 0"));
    EXPECT_EQ("    Der TK560 USB Ger\xE4tetreiber V2.03 ist gestartet.", session.state.messageGerman);
    EXPECT_THAT(service().calls,
                ElementsAre("SCardEstablishContext(2)", "SCardListReadersA(null)", "SCardListReadersA(20)",
                            "SCardConnectA(Kavrin tk560 usb 0,3,0)", "SCardControl(0x312004,-,12)",
                            "SCardDisconnect(2)", "SCardCancel", "SCardReleaseContext"));
    EXPECT_EQ(1, view.repaints);

    session.state.language = Language::German;
    session.state.protocol.clear();
    check();
    EXPECT_THAT(lines(), ElementsAre("Check des Treibers:", "    Der TK560 USB Ger\xE4tetreiber V2.03 ist gestartet."));
}

TEST_F(ReaderCheck, ConnectsSharedWhenDirectFailsAndStopsAtAnUnknownReader) {
    auto& shared = reader("Kavrin TK560 USB 0");
    shared.connectResults[platform::kScardShareDirect] = platform::kScardESharingViolation;
    auto& gone = reader("Kavrin TK560 Serial 0");
    gone.connectResults[platform::kScardShareDirect] = platform::kScardEUnknownReader;
    gone.connectResults[platform::kScardShareShared] = platform::kScardEUnknownReader;
    check();
    EXPECT_THAT(lines(), ElementsAre("Driver check:", kUsbLine));
    EXPECT_EQ(0, run().readerIndex);
    EXPECT_THAT(std::vector<std::string>(service().calls.begin() + 3, service().calls.end()),
                ElementsAre("SCardConnectA(Kavrin TK560 USB 0,3,0)", "SCardConnectA(Kavrin TK560 USB 0,2,3)",
                            "SCardControl(0x312004,-,12)", "SCardDisconnect(2)",
                            "SCardConnectA(Kavrin TK560 Serial 0,3,0)", "SCardConnectA(Kavrin TK560 Serial 0,2,3)",
                            "SCardCancel", "SCardReleaseContext"));
    // Both names matched, although the second is not there.
    EXPECT_THAT(session.state.matchedReaders, ElementsAre("Kavrin TK560 USB 0", "Kavrin TK560 Serial 0"));
}

TEST_F(ReaderCheck, TheLastPrimaryReaderDecides) {
    // Serial answers first, USB last but fails: readerFound is cleared again.
    reader("Kavrin TK560 Serial 0");
    reader("Kavrin TK560 USB 0").replies[cardreader::kVersionRequestCode].result = platform::kScardWRemovedCard;
    check();
    EXPECT_FALSE(run().readerFound);
    EXPECT_EQ(0, run().readerIndex);
    EXPECT_THAT(findings(), ElementsAre("    The TK560 USB reader is not connected!"));

    // A reader whose connect fails with another code is found but cannot answer.
    service().readers.clear();
    session.state.protocol.clear();
    reader("Kavrin TK560 USB 0").connectResults = {{3, platform::kScardESharingViolation},
                                                   {2, platform::kScardESharingViolation}};
    reader("Kavrin TK560 Serial 0", testing::versionReply(1, 7, 5, 0x10));
    check();
    EXPECT_TRUE(run().readerFound);
    EXPECT_EQ(1, run().readerIndex);
    EXPECT_THAT(findings(), ElementsAre("    The TK560 Serial driver V1.07 is started."));
}

TEST_F(ReaderCheck, ReadersOfTheSecondaryFile) {
    addSecondary();
    struct Case {
        const char* what;
        bool primaryAnswers;
        bool secondaryAnswers;
        bool found;
        int index;
        std::vector<std::string> findings;
    };
    const Case cases[] = {
        {"only the secondary answers", false, true, true, 2, {"    The TK160 driver V3.01 is started."}},
        {"the secondary fails, no primary", false, false, true, -1, {}},
        {"both answer, secondary first", true, true, true, 0,
         {"    The TK160 driver V3.01 is started.", kUsbLine}},
        {"primary answers, secondary fails", true, false, true, 0, {kUsbLine}},
    };
    for (const Case& c : cases) {
        service().readers.clear();
        session.state.protocol.clear();
        if (c.primaryAnswers) reader("Kavrin TK560 USB 0");
        auto& secondary = reader("Kavrin TK160 Serial 0", testing::versionReply(3, 1, 5, 0x10));
        if (!c.secondaryAnswers) secondary.replies.clear();
        check();
        EXPECT_EQ(c.found, run().readerFound) << c.what;
        EXPECT_EQ(c.index, run().readerIndex) << c.what;
        EXPECT_EQ(c.secondaryAnswers, run().secondaryReaderFound) << c.what;
        EXPECT_EQ(c.findings, findings()) << c.what;
    }
}

TEST_F(ReaderCheck, ServiceFailuresBecomeOneLine) {
    struct Case {
        const char* what;
        void (*arrange)(platform::sim::SimSmartCard&);
        bool secondary;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {"service not running", [](auto& s) { s.establishResult = platform::kScardENoService; }, false,
         "    The Smart card resource manager is not running.", "    Der Smart Card Resource Manager ist nicht gestartet."},
        {"no readers at the context", [](auto& s) { s.establishResult = platform::kScardENoReadersAvailable; }, false,
         "    The TK560 USB reader is not connected!", "    Es ist kein TK560 USB Leser angeschlossen!"},
        {"other context error", [](auto& s) { s.establishResult = 0x6BA; }, false,
         "    Function SCardEstablishContext returns 0x6BA error code.",
         "    Die Funktion SCardEstablishContext gab Fehler 0x6BA zur\xFC" "ck."},
        {"no readers at the listing", [](auto&) {}, true, "    The TK560 reader is not connected!",
         "    Es ist kein TK560 Leser angeschlossen!"},
        {"listing error", [](auto& s) { s.addReader("R"), s.lengthQueryResult = platform::kScardENoService; }, false,
         "    Function SCardListReaders returns 0x8010001D error code.",
         "    Die Funktion SCardListReaders gab Fehler 0x8010001D zur\xFC" "ck."},
        {"length 0", [](auto& s) { s.rawList = ""; }, false, "    Function SCardListReaders returns 0x0 error code.",
         "    Die Funktion SCardListReaders gab Fehler 0x0 zur\xFC" "ck."},
        {"the read fails", [](auto& s) { s.addReader("R"), s.readResult = platform::kScardEInsufficientBuffer; }, false,
         "    Function SCardListReaders returns 0x80100008 error code.",
         "    Die Funktion SCardListReaders gab Fehler 0x80100008 zur\xFC" "ck."},
        {"list too long", [](auto& s) { s.rawList = "R", s.rawLength = 0x7FFFFFFFu; }, false,
         "    Insufficient resources!", "    Insufficient resources!"},
        {"only the closing NUL", [](auto& s) { s.rawList = std::string(1, '\0'); }, false,
         "    The TK560 USB reader is not connected!", "    Es ist kein TK560 USB Leser angeschlossen!"},
    };
    for (const Case& c : cases) {
        testing::ReaderFixture f;
        if (c.secondary) f.addSecondary();
        c.arrange(f.machine.smartCard);
        auto e = f.env();
        checkReaderAndDriver(e, 2);
        EXPECT_THAT(f.findings(), ElementsAre(c.english)) << c.what;
        EXPECT_EQ(c.german, f.session.state.messageGerman) << c.what;
        EXPECT_FALSE(f.run().readerFound) << c.what;
        EXPECT_EQ(-1, f.run().readerIndex) << c.what;
        EXPECT_TRUE(f.machine.smartCard.openContexts.empty()) << c.what;
        EXPECT_EQ(0, f.machine.smartCard.invalidHandleCalls) << c.what;
    }
}

TEST_F(ReaderCheck, DamagedListsAndOverlongNamesAreReportedAndTheRestIsUsed) {
    service().rawList = std::string(300, 'N') + '\0' + "Kavrin TK560 USB 0" + '\0' + "Kavrin TK560 Seri";
    service().addReader("Kavrin TK560 USB 0").replies[cardreader::kVersionRequestCode] = {
        0, testing::versionReply(2, 3, 5, 0x10), std::nullopt};
    check();
    EXPECT_THAT(findings(), ElementsAre("    The reader list of the Smart card resource manager is damaged.",
                                        "    A reader name longer than 255 characters is ignored.", kUsbLine));
    EXPECT_THAT(session.state.matchedReaders, ElementsAre("Kavrin TK560 USB 0"));
}

TEST_F(ReaderCheck, PlugAndPlayOnWindows98AndMe) {
    addSecondary();
    struct Case {
        const char* what;
        int osFamily;
        bool windows95;
        bool listed;
        const char* hardwareKey;  // null: no device in the registry
        bool found;
        std::vector<std::string> findings;
    };
    const std::string notAvailable =
        "    The TK560 USB reader is connected but not available for use with the Smart card resource manager.";
    const Case cases[] = {
        {"listed and registered", 0, false, true, "usb\\vid_2f1a&pid_c560\\5&1a", true, {kUsbLine}},
        {"listed, not registered", 0, false, true, nullptr, false, {"    The TK560 reader is not connected!"}},
        {"registered, not listed", 0, false, false, "USB\\VID_2F1A&PID_C560", false,
         {notAvailable, "    Please reboot the PC!!!"}},
        {"Windows 95 never reads the registry", 0, true, false, "USB\\VID_2F1A&PID_C560", false,
         {"    The TK560 reader is not connected!"}},
        {"NT never reads the registry", 1, false, false, "USB\\VID_2F1A&PID_C560", false,
         {"    The TK560 reader is not connected!"}},
    };
    for (const Case& c : cases) {
        testing::ReaderFixture f;
        f.addSecondary();
        f.run().isWindows95 = c.windows95;
        f.reader(c.listed ? "Kavrin TK560 USB 0" : "Other Reader 0");
        f.machine.registry.setString(RegRoot::DynData, "Config Manager\\Enum\\C29A0000", "HardWareKey", "ROOT\\PCI");
        if (c.hardwareKey)
            f.machine.registry.setString(RegRoot::DynData, "Config Manager\\Enum\\C29A0001", "HardWareKey", c.hardwareKey);
        auto e = f.env();
        checkReaderAndDriver(e, c.osFamily);
        EXPECT_EQ(c.found, f.run().readerFound) << c.what;
        EXPECT_EQ(c.findings, f.findings()) << c.what;
        if (c.osFamily == 0 && !c.windows95) {
            EXPECT_THAT(f.session.state.matchedReaders, IsEmpty()) << c.what;
        }
    }
}

TEST_F(ReaderCheck, PlugAndPlayWalkEndsAtTheFirstUnreadableDevice) {
    // The walk stops at a device without a value, at a name over 200 characters and at a value over 200
    // bytes; a device behind any of them is not seen, and the registry alone names the record.
    const char* kEnum = "Config Manager\\Enum\\";
    struct Case {
        const char* what;
        std::string blockerKey;
        std::string blockerValue;  // empty: no value
    };
    const Case cases[] = {
        {"device without value", "A0", ""},
        {"name of 201 characters", "A" + std::string(200, '0'), "ROOT"},
        {"value of 200 characters", "A0", std::string(200, 'V')},
    };
    for (const Case& c : cases) {
        testing::ReaderFixture f;
        f.reader("Other Reader 0");
        if (c.blockerValue.empty()) f.machine.registry.addKey(RegRoot::DynData, kEnum + c.blockerKey);
        else f.machine.registry.setString(RegRoot::DynData, kEnum + c.blockerKey, "HardWareKey", c.blockerValue);
        f.machine.registry.setString(RegRoot::DynData, std::string(kEnum) + "B1", "HardWareKey", "SERENUM\\KVRC560");
        auto e = f.env();
        checkReaderAndDriver(e, 0);
        EXPECT_THAT(f.findings(), ElementsAre("    The TK560 USB reader is not connected!")) << c.what;
    }
    testing::ReaderFixture f;
    f.reader("Other Reader 0");
    f.machine.registry.setString(RegRoot::DynData, std::string(kEnum) + "B1", "HardWareKey", "SERENUM\\KVRC560");
    auto e = f.env();
    checkReaderAndDriver(e, 0);
    EXPECT_THAT(f.findings(),
                ElementsAre("    The TK560 Serial reader is connected but not available for use with the Smart card "
                            "resource manager.",
                            "    Please reboot the PC!!!"));
    EXPECT_EQ(1, f.run().readerIndex);
}

}  // namespace
}  // namespace probe
