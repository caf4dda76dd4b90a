#include <gtest/gtest.h>

#include "CtApiTest.h"
#include "InterfaceFixture.h"

namespace probe {
namespace {

using platform::sim::CtApiScript;
using Lines = std::vector<std::string>;

const char* const kLibraryPath = "C:\\WINDOWS\\system32\\ctk560.dll";
const char* const kResetCt = "2010000000";
const char* const kResetIcc = "2010010100";
const char* const kAtr = "3BFF1800FF8131FE45656311";
const char* const kAtrLine = "           3B FF 18 00 FF 81 31 FE 45 65 63 11 ";

struct CtApiFixture : testing::InterfaceFixture {
    platform::sim::SimLibraries::CtApiEntry& install(const std::string& script) {
        return machine.libraries.addCtApi(kLibraryPath, CtApiScript::parse(script));
    }
    bool run() {
        ProbeEnv e = env();
        return testCtApi(e);
    }
};

std::string answer(const char* command, const std::string& rest) { return std::string("data ") + command + " " + rest + "\n"; }

struct ReaderCase {
    const char* name;
    std::string script;
    Lines english;  // the reader's lines after its reader line
    Lines german;
    bool passes;
};

class CtApiReaderTable : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(CtApiReaderTable, ReportsEachStepInBothLanguages) {
    const ReaderCase& c = GetParam();
    for (const Language language : {Language::English, Language::German}) {
        CtApiFixture f;
        f.session.state.language = language;
        f.install("version KV-CT 2.1\n" + c.script);
        EXPECT_EQ(c.passes, f.run());
        const bool english = language == Language::English;
        Lines expected = english ? Lines{"Test of the CT-API Interface:", "    CT-API DLL KV-CT 2.1 successful loaded!", " ",
                                         "    Test of the TK560 USB reader (Port 1):"}
                                 : Lines{"Test der Kartenleser-Standardschnittstelle (CT-API):",
                                         "    CT-API DLL KV-CT 2.1 erfolgreich geladen!", " ",
                                         "    Test des TK560 USB Lesers (Port 1):"};
        const Lines& steps = english ? c.english : c.german;
        expected.insert(expected.end(), steps.begin(), steps.end());
        EXPECT_EQ(expected, f.lines()) << c.name;
        EXPECT_EQ(1, f.view.repaints);
        EXPECT_EQ(f.machine.libraries.loads, f.machine.libraries.frees);
    }
}

const std::string kCtOk = answer(kResetCt, "0 9000");
const char* const kInitLine = "        CT_Init ( 1, 1 ): OK!";
const char* const kCtOkEnglish = "        CT_Data (Command 'Reset CT'): OK! Response: 9000";
const char* const kCtOkGerman = "        CT_Data (Kommando 'Reset CT'): OK! Antwort: 9000";
const char* const kClose = "        CT_Close: OK!";

INSTANTIATE_TEST_SUITE_P(
    Steps, CtApiReaderTable,
    ::testing::Values(
        ReaderCase{"healthy", kCtOk + answer(kResetIcc, std::string("0 ") + kAtr),
                   {kInitLine, kCtOkEnglish, "        CT_Data (Command 'Reset ICC'): OK! Response:", kAtrLine, kClose},
                   {kInitLine, kCtOkGerman, "        CT_Data (Kommando 'Reset ICC'): OK! Antwort:", kAtrLine, kClose},
                   true},
        ReaderCase{"no terminal number accepted", "init 1 -1\ninit 2 -1\ninit 3 -1\ninit 4 -1\ninit 5 -1\n"
                   "init 6 -1\ninit 7 -1\ninit 8 -1\ninit 9 -1\ninit 10 -11\n",
                   {"        CT_Init: ERROR -11!"}, {"        CT_Init: FEHLER -11!"}, false},
        ReaderCase{"Reset CT refused", answer(kResetCt, "-8"),
                   {kInitLine, "        CT_Data (Command 'Reset CT'): ERROR -8!", kClose},
                   {kInitLine, "        CT_Data (Kommando 'Reset CT'): FEHLER -8!", kClose}, false},
        ReaderCase{"Reset CT too short", answer(kResetCt, "0 90"),
                   {kInitLine, "        CT_Data (Command 'Reset CT'): ERROR - wrong length 1!", kClose},
                   {kInitLine, "        CT_Data (Kommando 'Reset CT'): FEHLER - Falsche Länge 1!", kClose}, false},
        ReaderCase{"Reset CT without 9000", answer(kResetCt, "0 6400"),
                   {kInitLine, "        CT_Data (Command 'Reset CT'): ERROR! Response: 6400", kClose},
                   {kInitLine, "        CT_Data (Kommando 'Reset CT'): FEHLER! Antwort: 6400", kClose}, false},
        ReaderCase{"Reset ICC refused", kCtOk + answer(kResetIcc, "-1"),
                   {kInitLine, kCtOkEnglish, "        CT_Data (Command 'Reset ICC'): ERROR -1!", kClose},
                   {kInitLine, kCtOkGerman, "        CT_Data (Kommando 'Reset ICC'): FEHLER -1!", kClose}, true},
        ReaderCase{"Reset ICC too short", kCtOk + answer(kResetIcc, "0 -"),
                   {kInitLine, kCtOkEnglish, "        CT_Data (Command 'Reset ICC'): ERROR - wrong length 0!", kClose},
                   {kInitLine, kCtOkGerman, "        CT_Data (Kommando 'Reset ICC'): FEHLER - Falsche Länge 0!", kClose},
                   true},
        ReaderCase{"no card", kCtOk + answer(kResetIcc, "0 64A1"),
                   {kInitLine, kCtOkEnglish, "        CT_Data (Command 'Reset ICC'): OK! ( no card inserted )", kClose},
                   {kInitLine, kCtOkGerman, "        CT_Data (Kommando 'Reset ICC'): OK! ( keine Karte gesteckt )",
                    kClose},
                   true},
        ReaderCase{"Reset ICC answered 9000", kCtOk + answer(kResetIcc, "0 9000"),
                   {kInitLine, kCtOkEnglish, "        CT_Data (Command 'Reset ICC'): ERROR! Response: 9000", kClose},
                   {kInitLine, kCtOkGerman, "        CT_Data (Kommando 'Reset ICC'): FEHLER! Antwort: 9000", kClose},
                   true},
        ReaderCase{"close refused", kCtOk + answer(kResetIcc, "0 64A1") + "close -1\n",
                   {kInitLine, kCtOkEnglish, "        CT_Data (Command 'Reset ICC'): OK! ( no card inserted )",
                    "        CT_Close: ERROR -1!"},
                   {kInitLine, kCtOkGerman, "        CT_Data (Kommando 'Reset ICC'): OK! ( keine Karte gesteckt )",
                    "        CT_Close: FEHLER -1!"},
                   false}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(CtApiInterface, AMissingOrIncompleteLibraryIsNotFoundAndPasses) {
    for (const bool present : {false, true}) {
        CtApiFixture f;
        f.german();
        if (present) f.install("").hasRequiredEntries = false;
        EXPECT_TRUE(f.run());
        EXPECT_EQ((Lines{"Test der Kartenleser-Standardschnittstelle (CT-API):",
                         "CT-API DLL nicht gefunden oder DLL fehlerhaft!"}),
                  f.lines());
        EXPECT_TRUE(f.machine.libraries.calls.empty());
    }
}

TEST(CtApiInterface, ALibraryWithoutVersionEntryIsAWrongBuildAndTalksToNoReader) {
    for (const Language language : {Language::English, Language::German}) {
        CtApiFixture f;
        f.session.state.language = language;
        f.install("").hasVersionString = false;
        EXPECT_FALSE(f.run());
        EXPECT_EQ(language == Language::English ? "    wrong version of the CT-API DLL is loaded!"
                                                : "    falsche Version der CT-API DLL geladen!",
                  f.lines().back());
        EXPECT_EQ(2u, f.lines().size());
        EXPECT_TRUE(f.machine.libraries.calls.empty());
        EXPECT_EQ(1, f.machine.libraries.frees);
    }
}

TEST(CtApiInterface, SendsBothCommandsToTheTerminalWithClearedBuffers) {
    CtApiFixture f;
    f.machine.libraries.addCtApi(kLibraryPath,
                                 CtApiScript::parse(answer(kResetIcc, "0 64A8") + answer(kResetIcc, "0 64A1")));
    EXPECT_TRUE(f.run());
    EXPECT_EQ((Lines{"Get_VersionString text=cleared number=3", "CT_init ctn=1 pn=1 -> 0",
                     "CT_data ctn=1 dad=1 sad=2 lenc=5 command=2010000000 lenr=100 response=cleared -> 0 lenr=2",
                     "CT_data ctn=1 dad=1 sad=2 lenc=5 command=2010010100 lenr=100 response=cleared -> 0 lenr=2",
                     "CT_data ctn=1 dad=1 sad=2 lenc=5 command=2010010100 lenr=100 response=cleared -> 0 lenr=2",
                     "CT_close ctn=1 -> 0"}),
              f.machine.libraries.calls);
}

TEST(CtApiInterface, TakesTheFirstTerminalNumberThatInitAccepts) {
    CtApiFixture f;
    f.install("init 1 -1\ninit 2 -2\n");
    EXPECT_TRUE(f.run());
    EXPECT_EQ("        CT_Init ( 3, 1 ): OK!", f.lines()[4]);
    EXPECT_EQ((Lines{"CT_init ctn=1 pn=1 -> -1", "CT_init ctn=2 pn=1 -> -2", "CT_init ctn=3 pn=1 -> 0"}),
              f.callsOf("CT_init"));
    EXPECT_EQ((Lines{"CT_close ctn=3 -> 0"}), f.callsOf("CT_close"));
}

TEST(CtApiInterface, NineThousandAnywhereInTheResetCtAnswerCounts) {
    CtApiFixture f;
    f.install(answer(kResetCt, "0 190000"));
    EXPECT_TRUE(f.run());
    EXPECT_EQ("        CT_Data (Command 'Reset CT'): OK! Response: 190000", f.lines()[5]);
}

TEST(CtApiInterface, WaitsForACardTwentyTimesThenClosesWithoutALine) {
    CtApiFixture f;
    f.install(answer(kResetIcc, "0 64A8"));
    EXPECT_TRUE(f.run());
    EXPECT_EQ(20u, f.callsOf("CT_data ctn=1 dad=1 sad=2 lenc=5 command=2010010100").size());
    EXPECT_EQ(20u * 200u, f.machine.clock.slept);
    EXPECT_EQ(kClose, f.lines().back());
    EXPECT_EQ(7u, f.lines().size());

    CtApiFixture twice;
    twice.install(answer(kResetIcc, "0 64A8") + answer(kResetIcc, "0 64A8") + answer(kResetIcc, std::string("0 ") + kAtr));
    EXPECT_TRUE(twice.run());
    EXPECT_EQ(400u, twice.machine.clock.slept);
    EXPECT_EQ(kAtrLine, twice.linesFrom(7).front());
}

TEST(CtApiInterface, ShowsNoMoreThanTheResponseBufferHoldsWhateverLengthIsReported) {
    const std::string hundredBytes = [] {
        std::string hex;
        for (int i = 0; i < 100; ++i) hex += i < 60 ? "11" : "90";
        return hex;
    }();
    CtApiFixture f;
    // Reset CT: 100 bytes given, 300 reported; 9000 lies beyond the 60 bytes shown.
    f.install(answer(kResetCt, "0 " + hundredBytes + " 300") + answer(kResetIcc, "0 " + hundredBytes + " 65535"));
    EXPECT_FALSE(f.run());
    EXPECT_EQ("        CT_Data (Command 'Reset CT'): ERROR! Response: " + std::string(120, '1'), f.lines()[5]);

    CtApiFixture icc;
    icc.install(answer(kResetIcc, "0 " + hundredBytes + " 65535"));
    EXPECT_TRUE(icc.run());
    std::string groups;
    for (int i = 0; i < 40; ++i) groups += "11 ";
    EXPECT_EQ("           " + groups, icc.lines()[7]);
}

TEST(CtApiInterface, AVersionTextFillingTheWholeBufferIsCutThere) {
    CtApiFixture f;
    f.install("version " + std::string(130, 'V'));
    f.run();
    EXPECT_EQ("    CT-API DLL " + std::string(120, 'V') + " successful loaded!", f.lines()[1]);
}

TEST(CtApiInterface, WithoutReadersOnlyTheHeadingAndTheLoadedLine) {
    CtApiFixture f;
    f.session.state.matchedReaders.clear();
    f.install("version 1.0");
    EXPECT_TRUE(f.run());
    EXPECT_EQ((Lines{"Test of the CT-API Interface:", "    CT-API DLL 1.0 successful loaded!"}), f.lines());
    EXPECT_EQ(0, f.view.repaints);
}

TEST(CtApiInterface, EveryReaderIsTestedOnItsOwnPortAndOneFailureFailsTheTest) {
    CtApiFixture f;
    f.session.state.matchedReaders = {"Kavrin TK660 1", "Kavrin TK560 0"};
    // Terminal 1 is refused on every port, so both readers open terminal 2; the first 'Reset CT' fails.
    f.install("init 1 -1\n" + answer(kResetCt, "0 6F00") + kCtOk + answer(kResetIcc, "0 64A1"));
    EXPECT_FALSE(f.run());
    const Lines lines = f.lines();
    ASSERT_EQ(13u, lines.size());
    EXPECT_EQ(" ", lines[2]);
    EXPECT_EQ("    Test of the TK660 reader (Port 1):", lines[3]);
    EXPECT_EQ("        CT_Data (Command 'Reset CT'): ERROR! Response: 6F00", lines[5]);
    EXPECT_EQ(kClose, lines[6]);
    EXPECT_EQ(" ", lines[7]);
    EXPECT_EQ("    Test of the TK560 USB reader (Port 2):", lines[8]);
    EXPECT_EQ("        CT_Init ( 2, 2 ): OK!", lines[9]);
    EXPECT_EQ(kCtOkEnglish, lines[10]);
    EXPECT_EQ(2, f.view.repaints);
    EXPECT_EQ((Lines{"CT_close ctn=2 -> 0", "CT_close ctn=2 -> 0"}), f.callsOf("CT_close"));
}

}  // namespace
}  // namespace probe
