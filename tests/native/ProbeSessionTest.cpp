#include <gtest/gtest.h>

#include <algorithm>

#include "ProbeFixture.h"
#include "ProbeStartup.h"

namespace probe {
namespace {

using platform::MessageAnswer;

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(ProbeSession, RunEndsWithVerdictThenStorageLinesAndSetsTheExtent) {
    testing::ProbeFixture f;
    f.session.initialise();
    const auto& lines = f.lines();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ("Microsoft Windows XP", lines[0]);
    EXPECT_EQ("Version 5.1 Service Pack 3 ( Build 2600 )", lines[1]);
    EXPECT_EQ(" ", lines[2]);
    const std::size_t n = lines.size();
    EXPECT_EQ(" ", lines[n - 6]);
    EXPECT_EQ("Result:", lines[n - 5]);
    EXPECT_TRUE(lines[n - 4] == "    The installation test is completed successfully." ||
                lines[n - 4] == "    Some tests are failed!");
    EXPECT_EQ(" ", lines[n - 3]);
    EXPECT_EQ("The protocol is stored in:", lines[n - 2]);
    EXPECT_EQ("    C:\\TK560\\SetupProbe.log", lines[n - 1]);

    std::size_t widest = 0;
    for (const auto& line : lines) widest = std::max(widest, line.size());
    EXPECT_EQ(static_cast<int>(widest) * 6, f.session.state.protocol.horizontalExtent());

    // The stored block holds the protocol up to the verdict, not the storage lines.
    const std::string log = f.machine.files.file("C:\\TK560\\SetupProbe.log")->content;
    EXPECT_NE(std::string::npos, log.find("\r\nResult:\r\n" + lines[n - 4] + "\r\n\r\n" + std::string(76, '*')));
    EXPECT_EQ(std::string::npos, log.find("The protocol is stored in:"));
}

TEST(ProbeSession, GivingUpTheLogEndsTheRunAtTheVerdict) {
    testing::ProbeFixture f;
    f.machine.files.setReadOnlyDirectory("C:\\TK560");
    f.session.state.protocol.setHorizontalExtent(123);
    f.session.initialise();  // the fallback question is refused, then the other location
    const auto& lines = f.lines();
    EXPECT_EQ("Result:", lines[lines.size() - 2]);
    EXPECT_EQ(123, f.session.state.protocol.horizontalExtent());
    EXPECT_EQ(2u, f.machine.dialogs.shown.size());
    EXPECT_EQ(0, f.view.closes);
}

TEST(ProbeSession, LanguageSwitchRepeatsTheRunAndAppendsAnotherBlock) {
    testing::ProbeFixture f;
    f.session.initialise();
    f.session.onLanguageSwitch();
    EXPECT_EQ(std::vector<Language>{Language::German}, f.view.languages);
    const auto& lines = f.lines();
    EXPECT_EQ(1, std::count(lines.begin(), lines.end(), "Microsoft Windows XP"));
    EXPECT_EQ("Ergebnis:", lines[lines.size() - 5]);
    EXPECT_EQ("Das Protokoll wurde gespeichert als:", lines[lines.size() - 2]);

    f.session.onLanguageSwitch();
    EXPECT_EQ("Result:", f.lines()[f.lines().size() - 5]);
    const std::string log = f.machine.files.file("C:\\TK560\\SetupProbe.log")->content;
    EXPECT_EQ(6u, countOf(log, std::string(76, '*')));
    EXPECT_EQ(2u, countOf(log, "\r\n\r\n\r\n" + std::string(76, '*')));
    EXPECT_EQ(1u, countOf(log, " Uhr\r\n"));
}

TEST(ProbeSession, TestButtonClearsTheListAndResetsTheReaderState) {
    testing::ProbeFixture f;
    f.session.initialise();
    const auto first = f.lines();
    f.session.state.run.readerIndex = 3;
    f.session.state.run.zkaReady = true;
    f.session.onInstallationTest();
    EXPECT_EQ(first.size(), f.lines().size());
    EXPECT_EQ(0, f.session.state.run.readerIndex);
    EXPECT_TRUE(f.view.languages.empty());
}

TEST(ProbeStartup, GermanWhenTheArgumentsHoldDashD) {
    const std::vector<std::pair<std::string, Language>> cases{
        {"", Language::English},        {"-D", Language::German},     {"-d", Language::German},
        {"/x -dx", Language::German},   {"abc-Dxyz", Language::German}, {"-E /D", Language::English},
        {"- D", Language::English}};
    for (const auto& [arguments, language] : cases) EXPECT_EQ(language, languageFromArguments(arguments)) << arguments;
}

TEST(ProbeStartup, ProgramDirectoryIsCutAtTheLastBackslash) {
    platform::sim::SimSystem system;
    system.moduleFile = "C:\\Program Files\\TK560\\TK560Probe.exe";
    EXPECT_EQ("C:\\Program Files\\TK560", programDirectory(system));
}

TEST(ProbeSession, AboutVersionLine) {
    platform::sim::SimFileSystem files;
    files.addVersionedFile("C:\\p.exe", 2, 5, 10, 3);
    files.addVersionedFile("C:\\q.exe", 1, 19, 0, 1);
    files.addFile("C:\\none.exe");
    EXPECT_EQ("TK560Probe Version 2.05.10.03", aboutVersionText(files, "C:\\p.exe"));
    EXPECT_EQ("TK560Probe Version 1.19.00.01", aboutVersionText(files, "C:\\q.exe"));
    EXPECT_FALSE(aboutVersionText(files, "C:\\none.exe"));
}

}  // namespace
}  // namespace probe
