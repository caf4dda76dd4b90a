// The firmware check tool's check: reader detection, the Windows 98/ME registry walk and the
// firmware comparison, on the simulated resource manager.
#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GaugeFixture.h"

using namespace gauge;
using namespace gauge::fixture;
using platform::ScardResult;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

constexpr ScardResult kSharingViolation = platform::kScardESharingViolation;
constexpr ScardResult kUnknownReader = platform::kScardEUnknownReader;
constexpr ScardResult kNotTransacted = static_cast<ScardResult>(0x80100016u);

const std::string kNoReaderEnglish = "\n\n\nNo TK560 reader found!";
const std::string kNoReaderGerman = "\n\n\nEs ist kein TK560 Leser angeschlossen!";
const std::string kUnreadableEnglish = "\nThe firmware version could not be read!";
const std::string kUnreadableGerman = "\nDie Firmwareversion konnte nicht gelesen werden!";
const std::string kUsbRequired = "\nThe TK560-USB reader has the required firmware V5.10.\n";
const std::string kSerialRequired = "\nThe TK560-Serial reader has the required firmware V5.10.\n";

TEST(GaugeFirmware, OnlyTheExactRequiredVersionPasses) {
    struct Case {
        std::uint8_t major, minor;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {0x05, 0x10, "\nThe TK560-USB reader has the required firmware V5.10.\n",
         "\nDer TK560-USB Leser hat die erforderliche Firmwareversion V5.10.\n"},
        {0x05, 0x11, "\nThe TK560-USB reader has the firmware V5.11.\nThe required firmware is V5.10!\n",
         "\nDer TK560-USB Leser hat die Firmwareversion V5.11.\nDie erforderliche Firmwareversion ist V5.10!\n"},
        {0x05, 0x09, "\nThe TK560-USB reader has the firmware V5.09.\nThe required firmware is V5.10!\n",
         "\nDer TK560-USB Leser hat die Firmwareversion V5.09.\nDie erforderliche Firmwareversion ist V5.10!\n"},
        {0x15, 0x10, "\nThe TK560-USB reader has the firmware V15.10.\nThe required firmware is V5.10!\n",
         "\nDer TK560-USB Leser hat die Firmwareversion V15.10.\nDie erforderliche Firmwareversion ist V5.10!\n"},
        {0x05, 0x0A, "\nThe TK560-USB reader has the firmware V5.0a.\nThe required firmware is V5.10!\n",
         "\nDer TK560-USB Leser hat die Firmwareversion V5.0a.\nDie erforderliche Firmwareversion ist V5.10!\n"},
    };
    for (const Case& c : cases) {
        GaugeFixture f;
        f.addReader(kUsb + " 0", c.major, c.minor);
        f.run();
        EXPECT_EQ(c.english, f.state.text.english) << int(c.major) << "." << int(c.minor);
        EXPECT_EQ(c.german, f.state.text.german) << int(c.major) << "." << int(c.minor);
    }
}

// One whole check, call by call: user-scope contexts, a shared connect without requests while
// detecting, then one direct connect per table name of a kind seen, each followed by a cancel.
TEST(GaugeCheck, UsbAndSerialReaderCallByCallWithTheUsbTextFirst) {
    GaugeFixture f;
    f.addReader(kSerial + " 0", 0x05, 0x09);  // listed first: the texts still follow the table
    f.addReader(kUsb + " 0");
    f.run();

    const std::string listLength = std::to_string(kSerial.size() + 3 + kUsb.size() + 3 + 1);
    EXPECT_THAT(f.machine.smartCard.calls,
                ElementsAre("SCardEstablishContext(0)", "SCardListReadersA(null)", "SCardListReadersA(" + listLength + ")",
                            "SCardConnectA(" + kSerial + " 0,2,3)", "SCardDisconnect(2)",
                            "SCardConnectA(" + kUsb + " 0,2,3)", "SCardDisconnect(2)", "SCardCancel",
                            "SCardReleaseContext",
                            "SCardEstablishContext(0)",
                            "SCardConnectA(" + kUsb + " 0,3,0)", "SCardControl(0x312004,-,12)", "SCardDisconnect(0)",
                            "SCardCancel",
                            "SCardConnectA(" + kSerial + " 0,3,0)", "SCardControl(0x312004,-,12)", "SCardDisconnect(0)",
                            "SCardCancel",
                            "SCardConnectA(" + kTk160 + " 0,3,0)", "SCardCancel",
                            "SCardReleaseContext"));
    EXPECT_EQ(kUsbRequired + "\nThe TK560-Serial reader has the firmware V5.09.\nThe required firmware is V5.10!\n",
              f.state.text.english);
    EXPECT_EQ("\nDer TK560-USB Leser hat die erforderliche Firmwareversion V5.10.\n"
              "\nDer TK560-Serial Leser hat die Firmwareversion V5.09.\nDie erforderliche Firmwareversion ist V5.10!\n",
              f.state.text.german);
    EXPECT_TRUE(f.state.usbReaderSeen);
    EXPECT_TRUE(f.state.serialReaderSeen);
    EXPECT_EQ(0, f.machine.smartCard.invalidHandleCalls);
    EXPECT_THAT(f.machine.smartCard.openContexts, IsEmpty());
    EXPECT_THAT(f.machine.smartCard.openCards, IsEmpty());
}

// Which listed readers count, and which are then asked for their firmware.
TEST(GaugeCheck, DetectionDecidesWhichReadersAreAsked) {
    struct Listed {
        std::string name;
        ScardResult sharedConnect = platform::kScardSuccess;
    };
    struct Case {
        const char* what;
        std::vector<Listed> listed;
        std::vector<std::string> asked;  // connected directly
        std::string english;
    };
    const Case cases[] = {
        {"second USB reader never asked", {{kUsb + " 0"}, {kUsb + " 1"}}, {kUsb + " 0"}, kUsbRequired},
        {"only the second USB reader: its first is not there", {{kUsb + " 1"}}, {kUsb + " 0"}, kNoReaderEnglish},
        {"letter case differs", {{"Kavrin Inc. TKX60 USB Smart Card Reader 0"}, {"kavrin inc. tk160 serial smart card reader 0"}},
         {}, kNoReaderEnglish},
        {"foreign reader beside", {{"Other Vendor Reader 0"}, {kUsb + " 0"}}, {kUsb + " 0"}, kUsbRequired},
        {"serial kind asks both serial names", {{kTk160 + " 0"}}, {kSerial + " 0", kTk160 + " 0"}, kSerialRequired},
        {"stale list entry", {{kUsb + " 0", kUnknownReader}}, {}, kNoReaderEnglish},
        {"there but busy still counts", {{kUsb + " 0", kSharingViolation}}, {kUsb + " 0"}, kUsbRequired},
    };
    for (const Case& c : cases) {
        GaugeFixture f;
        for (const Listed& listed : c.listed) f.addReader(listed.name).connectResults[2] = listed.sharedConnect;
        f.run();
        EXPECT_THAT(f.directConnects(), ElementsAreArray(c.asked)) << c.what;
        EXPECT_EQ(c.english, f.state.text.english) << c.what;
        EXPECT_EQ(c.asked.empty() ? 1 : 2, f.contextsEstablished()) << c.what;
    }
}

// When nothing was read: "no reader" only when every reader tried was unknown to the resource
// manager, otherwise "could not be read".
TEST(GaugeCheck, NothingReadGivesNoReaderOrUnreadable) {
    struct Case {
        const char* what;
        ScardResult usbDirect, usbRequest;     // kUnknownReader for usbDirect: gone since detection
        bool serial;                           // a TKx60 serial reader whose request fails
        const std::string& english;
        const std::string& german;
    };
    const Case cases[] = {
        {"reader gone since detection", kUnknownReader, 0, false, kNoReaderEnglish, kNoReaderGerman},
        {"reader there but not connectable", kSharingViolation, 0, false, kUnreadableEnglish, kUnreadableGerman},
        {"request fails", 0, kNotTransacted, false, kUnreadableEnglish, kUnreadableGerman},
        // The absent TK160 name is tried last; the TKx60 reader that did not answer still counts.
        {"serial reader fails, other serial name absent", kUnknownReader, 0, true, kUnreadableEnglish,
         kUnreadableGerman},
    };
    for (const Case& c : cases) {
        GaugeFixture f;
        auto& usb = f.addReader(kUsb + " 0");
        usb.connectResults[3] = c.usbDirect;
        usb.replies[cardreader::kVersionRequestCode].result = c.usbRequest;
        if (c.serial) f.addReader(kSerial + " 0").replies[cardreader::kVersionRequestCode].result = kNotTransacted;
        f.run();
        EXPECT_EQ(c.english, f.state.text.english) << c.what;
        EXPECT_EQ(c.german, f.state.text.german) << c.what;
    }

    // A reader that answers keeps its text; the one that fails adds nothing.
    GaugeFixture f;
    f.addReader(kUsb + " 0").replies[cardreader::kVersionRequestCode].result = kNotTransacted;
    f.addReader(kSerial + " 0");
    f.run();
    EXPECT_EQ(kSerialRequired, f.state.text.english);
}

// A short reply leaves the rest of the buffer as it was: never another reader's version.
TEST(GaugeCheck, ShortReplyDoesNotShowTheEarlierReadersVersion) {
    GaugeFixture f;
    f.addReader(kUsb + " 0", 0x05, 0x11);
    f.addReader(kSerial + " 0").replies[cardreader::kVersionRequestCode].bytes = std::string(6, '\0');
    f.run();
    EXPECT_EQ("\nThe TK560-USB reader has the firmware V5.11.\nThe required firmware is V5.10!\n"
              "\nThe TK560-Serial reader has the firmware V0.00.\nThe required firmware is V5.10!\n",
              f.state.text.english);
}

TEST(GaugeCheck, ServiceFailuresBecomeTheirTexts) {
    enum Where { Context, LengthQuery, Read, EmptyList, HugeList };
    struct Case {
        Where where;
        ScardResult code;
        std::string english;
        std::string german;
    };
    const Case cases[] = {
        {Context, platform::kScardENoReadersAvailable, kNoReaderEnglish, kNoReaderGerman},
        {Context, platform::kScardENoService, "\n\n\nThe Smart card resource manager is not running.",
         "\n\n\nDer Smart Card Resource Manager ist nicht gestartet."},
        {Context, static_cast<ScardResult>(0x80100004u), "\n\nFunction SCardEstablishContext returns 0x80100004 error code.",
         "\n\nDie Funktion SCardEstablishContext gab Fehler 0x80100004 zurück."},
        {LengthQuery, platform::kScardENoReadersAvailable, kNoReaderEnglish, kNoReaderGerman},
        {LengthQuery, static_cast<ScardResult>(0x8010001Eu), "\n\nFunction SCardListReaders returns 0x8010001E error code.",
         "\n\nDie Funktion SCardListReaders gab Fehler 0x8010001E zurück."},
        {Read, platform::kScardENoReadersAvailable, kNoReaderEnglish, kNoReaderGerman},
        {Read, platform::kScardEInsufficientBuffer, "\n\nFunction SCardListReaders returns 0x80100008 error code.",
         "\n\nDie Funktion SCardListReaders gab Fehler 0x80100008 zurück."},
        {EmptyList, 0, "\n\nFunction SCardListReaders returns 0x0 error code.",
         "\n\nDie Funktion SCardListReaders gab Fehler 0x0 zurück."},
        {HugeList, 0, "Insufficient resources!", "Insufficient resources!"},
    };
    for (const Case& c : cases) {
        GaugeFixture f;
        f.addReader(kUsb + " 0");
        auto& service = f.machine.smartCard;
        switch (c.where) {
            case Context: service.establishResult = c.code; break;
            case LengthQuery: service.lengthQueryResult = c.code; break;
            case Read: service.readResult = c.code; break;
            case EmptyList: service.rawList = std::string(); break;
            case HugeList: service.rawList = std::string(2, '\0'), service.rawLength = 0x7FFFFFFFu; break;
        }
        f.run();
        const std::string label = std::to_string(c.where) + " " + c.english;
        EXPECT_EQ(c.english, f.state.text.english) << label;
        EXPECT_EQ(c.german, f.state.text.german) << label;
        EXPECT_EQ(1, f.contextsEstablished()) << label;
        // A failed listing releases its context without cancelling it, and connects to nothing.
        const auto& calls = service.calls;
        EXPECT_EQ(c.where == Context ? 0 : 1, std::count(calls.begin(), calls.end(), "SCardReleaseContext")) << label;
        EXPECT_EQ(0, std::count(calls.begin(), calls.end(), "SCardCancel")) << label;
        EXPECT_THAT(service.openContexts, IsEmpty()) << label;
    }
}

// A resource manager that stops answering between detection and the firmware step.
class SecondContextFails : public platform::sim::SimSmartCard {
public:
    explicit SecondContextFails(ScardResult code) : code_(code) {}
    ScardResult establishContext(std::uint32_t scope, platform::ScardContext& context) override {
        if (++established_ == 2) {
            calls.push_back("SCardEstablishContext(" + std::to_string(scope) + ")");
            return code_;
        }
        return SimSmartCard::establishContext(scope, context);
    }

private:
    ScardResult code_;
    int established_ = 0;
};

TEST(GaugeCheck, FirmwareStepContextFailureBecomesItsText) {
    const std::pair<ScardResult, std::string> cases[] = {
        {platform::kScardENoService, "\n\n\nThe Smart card resource manager is not running."},
        {platform::kScardENoReadersAvailable, kNoReaderEnglish},
        {static_cast<ScardResult>(0x8010001Eu), "\n\nFunction SCardEstablishContext returns 0x8010001E error code."},
    };
    for (const auto& [code, english] : cases) {
        GaugeFixture f;
        SecondContextFails service(code);
        service.addReader(kUsb + " 0").replies[cardreader::kVersionRequestCode] = {0, versionReply(5, 0x10), {}};
        GaugeState& state = f.state;
        runGaugeCheck(GaugePorts{service, f.machine.registry, f.machine.system}, state);
        EXPECT_EQ(english, state.text.english);
        EXPECT_EQ(2, std::count_if(service.calls.begin(), service.calls.end(),
                                   [](const std::string& call) { return call.rfind("SCardEstablish", 0) == 0; }));
        EXPECT_EQ(0, service.invalidHandleCalls);
    }
}

// Windows 98 and ME also look into the Plug-and-Play enumeration; other systems never do.
TEST(GaugeRegistry, PlugAndPlayFindingsOnWindows98AndMe) {
    const platform::OsVersion win98{4, 10, 2222, 1, " A "}, winMe{4, 90, 3000, 1, ""}, win95{4, 0, 950, 1, ""},
        nt4{4, 0, 1381, 2, "Service Pack 6"}, xp{5, 1, 2600, 2, "Service Pack 3"};
    const std::string usbKey = "usb\\vid_2f1a&pid_c560\\5&2a7e", serialKey = "SERENUM\\KVRC560\\1&3";
    const std::string usbReport =
        "\nThe TK560-USB reader is connected but not available for use with the Smart card resource manager."
        "\nPlease reboot the PC!!!";
    struct Case {
        const char* what;
        platform::OsVersion version;
        bool versionFails;
        bool usbListed;  // the resource manager shows a USB reader with firmware V5.10
        ScardResult context;
        std::vector<std::string> hardwareKeys;  // "" for a device without a HardWareKey
        std::string english;
    };
    const Case cases[] = {
        {"98, USB only in the registry", win98, false, false, 0, {"PCI\\VEN_8086", usbKey}, usbReport},
        {"ME, both kinds only in the registry", winMe, false, false, 0, {serialKey, usbKey},
         "\nThe TK560-Serial and TK560-USB readers are connected but not available for use with the Smart card "
         "resource manager.\nPlease reboot the PC!!!"},
        {"98, serial only in the registry", win98, false, false, 0, {serialKey},
         "\nThe TK560-Serial reader is connected but not available for use with the Smart card resource "
         "manager.\nPlease reboot the PC!!!"},
        {"98, service not running", win98, false, false, platform::kScardENoService, {usbKey}, usbReport},
        {"98, working reader also in the registry", win98, false, true, 0, {usbKey}, kUsbRequired},
        {"98, the registry marks decide the firmware step", win98, false, true, 0, {}, kNoReaderEnglish},
        {"98, the walk ends at a device without a key", win98, false, false, 0, {"", usbKey}, kNoReaderEnglish},
        {"95 never reads the registry", win95, false, false, 0, {usbKey}, kNoReaderEnglish},
        {"NT 4 never reads the registry", nt4, false, false, 0, {usbKey}, kNoReaderEnglish},
        {"XP never reads the registry", xp, false, false, 0, {usbKey}, kNoReaderEnglish},
        {"no version, no registry", win98, true, false, 0, {usbKey}, kNoReaderEnglish},
    };
    for (const Case& c : cases) {
        GaugeFixture f;
        f.machine.system.version = c.version;
        f.machine.system.versionQueryFails = c.versionFails;
        f.machine.smartCard.establishResult = c.context;
        if (c.usbListed) f.addReader(kUsb + " 0");
        const std::string enumKey = "Config Manager\\Enum";
        f.machine.registry.addKey(platform::RegRoot::DynData, enumKey);
        for (std::size_t i = 0; i < c.hardwareKeys.size(); ++i) {
            const std::string device = enumKey + "\\C29A" + std::to_string(1000 + i);
            f.machine.registry.addKey(platform::RegRoot::DynData, device);
            if (!c.hardwareKeys[i].empty())
                f.machine.registry.setString(platform::RegRoot::DynData, device, "HardWareKey", c.hardwareKeys[i]);
        }
        f.run();
        EXPECT_EQ(c.english, f.state.text.english) << c.what;
        // A report leaves no reader to ask.
        if (c.english != kUsbRequired) {
            EXPECT_THAT(f.directConnects(), IsEmpty()) << c.what;
        }
        if (c.english == usbReport) {
            EXPECT_EQ("\nDer TK560-USB Leser ist angeschlossen, aber wurde nicht vom Smart Card Resource Manager "
                      "erkannt.\nBitte rebooten Sie den PC!!!",
                      f.state.text.german)
                << c.what;
            EXPECT_FALSE(f.state.usbReaderSeen || f.state.serialReaderSeen) << c.what;
        }
    }
}

}  // namespace
