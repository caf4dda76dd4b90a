#include <gtest/gtest.h>

#include "InterfaceFixture.h"
#include "ZkaTest.h"

namespace probe {
namespace {

using platform::sim::ZkaScript;
using Lines = std::vector<std::string>;

const char* const kLibraryPath = "C:\\Program Files\\ZKA\\ZkaSigApi.dll";
const char* const kOpen = "        zka_sig_open: OK!";
const char* const kClose = "        zka_sig_close: OK!";

struct ZkaFixture : testing::InterfaceFixture {
    platform::sim::SimLibraries::ZkaEntry& install(const std::string& script) {
        return machine.libraries.addZka(kLibraryPath, ZkaScript::parse(script));
    }
    bool run() {
        ProbeEnv e = env();
        return testZkaInterface(e, kLibraryPath);
    }
};

struct ReaderCase {
    const char* name;
    std::string script;
    Lines english;  // the lines after the open line, or the reader's only line when the open fails
    Lines german;
    bool passes;
};

class ZkaReaderTable : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ZkaReaderTable, ReportsEachStepInBothLanguages) {
    const ReaderCase& c = GetParam();
    for (const Language language : {Language::English, Language::German}) {
        ZkaFixture f;
        f.session.state.language = language;
        f.install("version 3.2.1\n" + c.script);
        EXPECT_EQ(c.passes, f.run());
        const bool english = language == Language::English;
        Lines expected{" ", english ? "Test of the ZKA-Sig-API Interface:"
                                    : "Test der Kartenleser-Standardschnittstelle (ZKA-Sig-API):",
                       " "};
        const Lines& steps = english ? c.english : c.german;
        if (steps.front().find("zka_sig_open") == std::string::npos) {
            expected.push_back(english ? "    ZkaSigApi DLL Version 3.2.1 successful loaded!"
                                       : "    ZkaSigApi DLL Version 3.2.1 erfolgreich geladen!");
            expected.push_back(english ? "    Test of the TK560 USB reader:" : "    Test des TK560 USB Lesers:");
            expected.push_back(kOpen);
        }
        expected.insert(expected.end(), steps.begin(), steps.end());
        EXPECT_EQ(expected, f.lines()) << c.name;
        EXPECT_EQ(f.machine.libraries.loads, f.machine.libraries.frees);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ZkaReaderTable,
    ::testing::Values(
        ReaderCase{"card inserted", "",
                   {"        zka_sig_card_available: OK! ( Signature card inserted )", kClose},
                   {"        zka_sig_card_available: OK! ( Signaturkarte gesteckt )", kClose}, true},
        ReaderCase{"no card", "card 2\n",
                   {"        zka_sig_card_available: OK! ( no signature card inserted )", kClose},
                   {"        zka_sig_card_available: OK! (keine Karte gesteckt )", kClose}, true},
        ReaderCase{"card error", "card 31 0102\n",
                   {"        zka_sig_card_available: ERROR! Returncode: 1f Errorcode: 01 02 ", kClose},
                   {"        zka_sig_card_available: FEHLER! Returncode: 1f Fehlercode: 01 02 ", kClose}, false},
        ReaderCase{"open error", "open 0x8001 A1B2\n",
                   {"        zka_sig_open: ERROR! Returncode: 8001 Errorcode: A1 B2 "},
                   {"        zka_sig_open: FEHLER! Returncode: 8001 Fehlercode: A1 B2 "}, false},
        ReaderCase{"close error", "close 16 FF\n",
                   {"        zka_sig_card_available: OK! ( Signature card inserted )",
                    "        zka_sig_close: ERROR! Returncode: 10 Errorcode: FF "},
                   {"        zka_sig_card_available: OK! ( Signaturkarte gesteckt )",
                    "        zka_sig_close: FEHLER! Returncode: 10 Fehlercode: FF "},
                   false}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

TEST(ZkaInterface, AMissingOrIncompleteLibraryIsNotFoundAndFails) {
    for (const bool present : {false, true}) {
        ZkaFixture f;
        if (present) f.install("").hasEntries = false;
        EXPECT_FALSE(f.run());
        EXPECT_EQ((Lines{" ", "Test of the ZKA-Sig-API Interface:", "    ZkaSigApi DLL not found!"}), f.lines());
        f.german();
        EXPECT_FALSE(f.run());
        EXPECT_EQ("    ZkaSigApi DLL nicht gefunden oder DLL fehlerhaft!", f.lines().back());
    }
}

TEST(ZkaInterface, PassesTheReaderAndItsHandleToTheLibrary) {
    ZkaFixture f;
    f.install("");
    EXPECT_TRUE(f.run());
    EXPECT_EQ((Lines{"zka_sig_open reader=Kavrin tk560 0 buffers=cleared -> 0 errlen=0 handle=257",
                     "zka_sig_card_available handle=257 -> 0 errlen=0", "zka_sig_close handle=257 -> 0 errlen=0"}),
              f.machine.libraries.calls);
    EXPECT_EQ(1, f.view.repaints);
}

TEST(ZkaInterface, TriesAgainAfterAPauseWhileTheLibraryAsksForIt) {
    ZkaFixture twice;
    twice.install("open 1 02\nopen 1 02\nopen 0\n");
    EXPECT_TRUE(twice.run());
    EXPECT_EQ(400u, twice.machine.clock.slept);
    EXPECT_EQ(kOpen, twice.lines()[5]);

    ZkaFixture always;
    always.install("open 1 02\n");
    EXPECT_FALSE(always.run());
    EXPECT_EQ(20u, always.callsOf("zka_sig_open").size());
    EXPECT_EQ(20u * 200u, always.machine.clock.slept);
    EXPECT_EQ("        zka_sig_open: ERROR! Returncode: 1 Errorcode: 02 ", always.lines().back());
    EXPECT_EQ(20u, always.machine.libraries.calls.size());  // nothing but the opens

    ZkaFixture longer;
    longer.install("open 1 0201\n");
    EXPECT_FALSE(longer.run());
    EXPECT_EQ(1u, longer.machine.libraries.calls.size());
    EXPECT_EQ(0u, longer.machine.clock.slept);
    EXPECT_EQ("        zka_sig_open: ERROR! Returncode: 1 Errorcode: 02 01 ", longer.lines().back());
}

TEST(ZkaInterface, AnErrorWithoutBytesShowsAnEmptyErrorText) {
    ZkaFixture f;
    f.install("card 7\n");
    EXPECT_FALSE(f.run());
    EXPECT_EQ("        zka_sig_card_available: ERROR! Returncode: 7 Errorcode: ", f.lines()[6]);
}

TEST(ZkaInterface, OnePassingReaderIsEnough) {
    ZkaFixture f;
    f.session.state.matchedReaders = {"Kavrin TK660 1", "Kavrin TK560 0"};
    f.install("open 5 0A\nopen 0\n");
    EXPECT_TRUE(f.run());
    EXPECT_EQ((Lines{" ", "Test of the ZKA-Sig-API Interface:", " ",
                     "        zka_sig_open: ERROR! Returncode: 5 Errorcode: 0A ", " ",
                     "    ZkaSigApi DLL Version ZKA stand-in 1.0 successful loaded!", "    Test of the TK560 USB reader:",
                     kOpen, "        zka_sig_card_available: OK! ( Signature card inserted )", kClose}),
              f.lines());
    EXPECT_EQ("Kavrin TK560 0", f.session.state.zka.readerName);
    EXPECT_EQ("TK560 USB", f.session.state.zka.displayName);
}

TEST(ZkaInterface, WithoutReadersTheTestFails) {
    ZkaFixture f;
    f.session.state.matchedReaders.clear();
    f.install("");
    EXPECT_FALSE(f.run());
    EXPECT_EQ((Lines{" ", "Test of the ZKA-Sig-API Interface:"}), f.lines());
}

TEST(ZkaInterface, ErrorsAreReadOnlyFromTheErrorAreaAndTheLineIsCut) {
    std::string bytes;
    for (int i = 0; i < 128; ++i) bytes += "AB";
    ZkaFixture f;
    f.install("card 9 " + bytes + " 4294967295\n");
    EXPECT_FALSE(f.run());
    std::string expected = "        zka_sig_card_available: ERROR! Returncode: 9 Errorcode: ";
    while (expected.size() < 127) expected += "AB ";
    expected.resize(127);
    EXPECT_EQ(expected, f.lines()[6]);
}

TEST(ZkaInterface, TheLastErrorStaysUntilTheLibraryReportsAnother) {
    ZkaFixture f;
    f.install("open 0 0C0D\ncard 6 -\nclose 0 -\n");
    EXPECT_FALSE(f.run());
    EXPECT_EQ("        zka_sig_card_available: ERROR! Returncode: 6 Errorcode: 0C 0D ", f.lines()[6]);

    // The state belongs to the main window: the next test starts with what this one left.
    f.install("open 3 -\n");
    f.session.state.protocol.clear();
    EXPECT_FALSE(f.run());
    EXPECT_EQ("        zka_sig_open: ERROR! Returncode: 3 Errorcode: 0C 0D ", f.lines().back());
}

TEST(ZkaInterface, LongNamesAndVersionTextsStayWithinTheirAreas) {
    ZkaFixture f;
    f.session.state.matchedReaders = {"TK560 " + std::string(200, 'n')};
    f.install("version " + std::string(140, 'v') + "\n");
    EXPECT_TRUE(f.run());
    EXPECT_EQ("zka_sig_open reader=TK560 " + std::string(121, 'n') + " buffers=cleared -> 0 errlen=0 handle=257",
              f.machine.libraries.calls.front());
    EXPECT_EQ("    ZkaSigApi DLL Version " + std::string(128, 'v') + " successful loaded!", f.lines()[3]);
}

}  // namespace
}  // namespace probe
