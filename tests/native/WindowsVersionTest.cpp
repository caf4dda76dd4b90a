#include <gtest/gtest.h>

#include "ProbeFixture.h"
#include "WindowsVersionStep.h"

namespace probe {
namespace {

using platform::RegRoot;
using testing::k9xKey;
using testing::kNtKey;

struct VersionCase {
    const char* name;
    platform::OsVersion version;
    std::vector<std::pair<std::string, std::string>> values;  // name, value under the family's key
    Language language;
    std::vector<std::string> expectedLines;
    int expectedFamily;
    bool expectedWindows95;
};

class WindowsVersionStepTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionStepTest, AddsTheLinesAndSetsTheFamily) {
    const VersionCase& c = GetParam();
    testing::ProbeFixture f;
    f.machine.registry = {};
    f.machine.system.version = c.version;
    for (const auto& [name, value] : c.values)
        f.machine.registry.setString(RegRoot::LocalMachine, c.version.platformId == 1 ? k9xKey : kNtKey, name, value);
    f.session.state.language = c.language;
    f.session.state.run.isWindows95 = false;

    ProbeEnv env = f.env();
    reportWindowsVersion(env);

    EXPECT_EQ(c.expectedLines, f.lines());
    EXPECT_EQ(c.expectedFamily, f.session.state.run.osFamily);
    EXPECT_EQ(c.expectedWindows95, f.session.state.run.isWindows95);
}

const platform::OsVersion kXp{5, 1, 2600, 2, ""};
const platform::OsVersion kNt4{4, 0, 1381, 2, ""};
const platform::OsVersion k98{4, 10, 2222, 1, ""};
const platform::OsVersion k95{4, 0, 950, 1, ""};

INSTANTIATE_TEST_SUITE_P(
    Branches, WindowsVersionStepTest,
    ::testing::Values(
        VersionCase{"NtWithServicePack",
                    kXp,
                    {{"ProductName", "Microsoft Windows XP"},
                     {"CurrentVersion", "5.1"},
                     {"CurrentBuildNumber", "2600"},
                     {"CSDVersion", "Service Pack 3"}},
                    Language::English,
                    {"Microsoft Windows XP", "Version 5.1 Service Pack 3 ( Build 2600 )"},
                    2,
                    false},
        VersionCase{"NtWithoutServicePackHasTwoBlanks",
                    kXp,
                    {{"ProductName", "Windows 7"}, {"CurrentVersion", "6.1"}, {"CurrentBuildNumber", "7601"}},
                    Language::English,
                    {"Windows 7", "Version 6.1  ( Build 7601 )"},
                    2,
                    false},
        VersionCase{"Nt4WithoutProductNameIsNamedForIt",
                    kNt4,
                    {{"CurrentVersion", "4.0"}, {"CurrentBuildNumber", "1381"}, {"CSDVersion", "Service Pack 6"}},
                    Language::English,
                    {"Microsoft Windows NT", "Version 4.0 Service Pack 6 ( Build 1381 )"},
                    1,
                    false},
        VersionCase{"Nt5WithoutProductNameIsAnError",
                    kXp,
                    {{"CurrentVersion", "5.1"}, {"CurrentBuildNumber", "2600"}},
                    Language::German,
                    {"FEHLER beim Lesen der Windows-Version!"},
                    2,
                    false},
        VersionCase{"NtWithoutBuildNumberKeepsTheProductLine",
                    kXp,
                    {{"ProductName", "Microsoft Windows XP"}, {"CurrentVersion", "5.1"}},
                    Language::English,
                    {"Microsoft Windows XP", "ERROR during read of Windows version!"},
                    2,
                    false},
        VersionCase{"NtKeyMissing", kXp, {}, Language::English, {"ERROR during read of Windows version!"}, 2, false},
        VersionCase{"Windows98SplitsTheVersionNumber",
                    k98,
                    {{"ProductName", "Microsoft Windows 98"},
                     {"VersionNumber", "4.10.2222"},
                     {"SubVersionNumber", " A "}},
                    Language::English,
                    {"Microsoft Windows 98", "Version  A  4.10 ( Build 2222 )"},
                    0,
                    false},
        VersionCase{"Windows95WithShortVersionNumber",
                    k95,
                    {{"ProductName", "Microsoft Windows 95"}, {"VersionNumber", "4.00"}, {"SubVersionNumber", ""}},
                    Language::English,
                    {"Microsoft Windows 95", "Version  4.00 ( Build  )"},
                    0,
                    true},
        VersionCase{"Windows9xWithoutSubVersionNumber",
                    k98,
                    {{"ProductName", "Microsoft Windows 98"}, {"VersionNumber", "4.10.2222"}},
                    Language::German,
                    {"Microsoft Windows 98", "FEHLER beim Lesen der Windows-Version!"},
                    0,
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsVersionStep, ValuesThatDoNotFitHundredBytesAreNotReadable) {
    testing::ProbeFixture f;
    f.machine.registry.setString(RegRoot::LocalMachine, kNtKey, "ProductName", std::string(100, 'P'));
    ProbeEnv env = f.env();
    reportWindowsVersion(env);
    EXPECT_EQ(std::vector<std::string>{"ERROR during read of Windows version!"}, f.lines());
}

TEST(WindowsVersionStep, CopiesTheFamilyIntoLoadedRecordsOnlyAfterSuccess) {
    testing::ProbeFixture f;
    auto& description = f.session.state.description;
    description.readerRecordCount = 2;
    description.records[2].ReaderOsFamily = 7;
    ProbeEnv env = f.env();
    reportWindowsVersion(env);
    EXPECT_EQ(2, description.records[0].ReaderOsFamily);
    EXPECT_EQ(2, description.records[1].ReaderOsFamily);
    EXPECT_EQ(7, description.records[2].ReaderOsFamily);

    f.machine.registry = {};
    f.machine.system.version = {4, 10, 2222, 1, ""};
    reportWindowsVersion(env);
    EXPECT_EQ(0, f.session.state.run.osFamily);
    EXPECT_EQ(2, description.records[0].ReaderOsFamily);  // error line: records keep their value
}

TEST(WindowsVersionStep, OsFamilyFromThePlatformVersion) {
    platform::sim::SimSystem system;
    const std::vector<std::pair<platform::OsVersion, int>> cases{
        {{4, 10, 0, 1, ""}, 0}, {{4, 0, 0, 2, ""}, 1}, {{3, 51, 0, 2, ""}, 1}, {{5, 0, 0, 2, ""}, 2}, {{10, 0, 0, 2, ""}, 2}};
    for (const auto& [version, family] : cases) {
        system.version = version;
        EXPECT_EQ(family, queryOsFamily(system)) << version.majorVersion << "." << version.minorVersion;
    }
    system.versionQueryFails = true;
    EXPECT_EQ(2, queryOsFamily(system));
}

}  // namespace
}  // namespace probe
