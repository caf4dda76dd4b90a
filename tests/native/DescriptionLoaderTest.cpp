#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DescriptionLoader.h"
#include "ProbeFixture.h"
#include "platform/sim/SimMachine.h"

namespace probe {
namespace {

class DescriptionLoaderTest : public ::testing::Test {
protected:
    // Loads one more file, as the window's initialisation does.
    void load(const std::string& content) {
        const std::string path = "C:\\Setup\\desc" + std::to_string(++files_) + ".ini";
        machine.files.addFile(path, content);
        loadDescription(d, machine.profile, path);
    }
    std::vector<std::string> patterns() const {
        return {d.namePatterns.begin(), d.namePatterns.begin() + d.namePatternCount};
    }
    std::vector<std::string> systemFiles() const {
        return {d.systemFiles.begin(), d.systemFiles.begin() + d.systemFileCount};
    }

    platform::sim::SimMachine machine;
    ReaderDescription d;
    int files_ = 0;
};

const char* const kTk560 = R"([ReaderProperties]
ReaderEntriesCount=2
ReaderType=1
ReaderNameCount=2
Name1=TK560 USB
Name2=TK560 Serial
HBCIInstall=1
MaxServerReader=4
[InfFiles]
inf=tk560.inf
[DriverProperties]
File9X=tkr_drv.vxd
FileNT=tkr_nt.sys
File2K=tkr_drv.sys
[RegistryKeys]
ServerNameW9x=TKR_DRV
[SystemFiles]
SystemFilesCount=2
File1=winscard.dll
File2=smclib.sys
[ReaderProperties1]
ReaderName=Kavrin TK560 USB
HardwareID=USB\VID_0C4B&PID_0560
[ReaderProperties2]
HardwareID=SERENUM\KAV0560
ReaderName=Kavrin TK560 Serial
[CTAPIProperties]
Other=x
DllName=ctk560.dll
DllName=second.dll
)";

TEST_F(DescriptionLoaderTest, LoadsEveryRuleOfOneFile) {
    load(kTk560);

    ASSERT_EQ(2, d.readerRecordCount);
    EXPECT_EQ((std::vector<std::string>{"TK560 USB", "TK560 Serial"}), patterns());
    EXPECT_EQ("Kavrin TK560 USB", d.displayNames[0]);
    EXPECT_EQ("Kavrin TK560 Serial", d.displayNames[1]);
    for (int r = 0; r < 2; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(1, d.records[r].ReaderType);
        EXPECT_EQ((std::array<std::string, 3>{"tkr_drv.vxd", "tkr_nt.sys", "tkr_drv.sys"}), d.records[r].DriverFile);
        EXPECT_EQ("TKR_DRV", d.records[r].ServerNameW9x);
        EXPECT_EQ(0, d.records[r].ReaderOsFamily);
    }
    EXPECT_EQ("Kavrin TK560 Serial", d.records[1].ReaderName);
    EXPECT_EQ("USB\\VID_0C4B&PID_0560", d.records[0].HardwareID);
    EXPECT_EQ("SERENUM\\KAV0560", d.records[1].HardwareID);
    EXPECT_EQ((std::vector<std::string>{"winscard.dll", "smclib.sys"}), systemFiles());
    EXPECT_TRUE(d.hbciInstall);
    EXPECT_EQ("ctk560.dll", d.ctApiLibraryName);
    EXPECT_EQ("", d.records[2].ReaderName);
}

TEST_F(DescriptionLoaderTest, NamesInAnyCase) {
    load("[readerproperties]\nreaderentriescount=1\nREADERNAMECOUNT=1\nnAmE1=TK\nhbciinstall=1\n"
         "[READERPROPERTIES1]\nreadername=Kavrin\nhardwareid=HW\n[driverproperties]\nfile2k=drv.sys\n"
         "[ctapiproperties]\ndllname=ct.dll\n[systemfiles]\nsystemfilescount=1\nfile1=a.dll\n");

    ASSERT_EQ(1, d.readerRecordCount);
    EXPECT_EQ("Kavrin", d.records[0].ReaderName);
    EXPECT_EQ("HW", d.records[0].HardwareID);
    EXPECT_EQ("drv.sys", d.records[0].DriverFile[2]);
    EXPECT_EQ((std::vector<std::string>{"TK"}), patterns());
    EXPECT_EQ("ct.dll", d.ctApiLibraryName);
    EXPECT_EQ((std::vector<std::string>{"a.dll"}), systemFiles());
}

TEST_F(DescriptionLoaderTest, SecondFileAppendsAfterTheFirst) {
    load(kTk560);
    d.primaryRecordCount = d.readerRecordCount;
    load("[ReaderProperties]\nReaderEntriesCount=1\nReaderType=2\nReaderNameCount=1\nName1=TK160\n"
         "[DriverProperties]\nFile2K=tk160.sys\n[SystemFiles]\nSystemFilesCount=1\nFile1=scardsvr.exe\n"
         "[ReaderProperties1]\nReaderName=Kavrin TK160\n");

    ASSERT_EQ(3, d.readerRecordCount);
    EXPECT_EQ("Kavrin TK160", d.records[2].ReaderName);
    EXPECT_EQ(2, d.records[2].ReaderType);
    EXPECT_EQ("tk160.sys", d.records[2].DriverFile[2]);
    EXPECT_EQ("", d.records[2].DriverFile[0]);
    EXPECT_EQ(1, d.records[1].ReaderType);
    EXPECT_EQ((std::vector<std::string>{"TK560 USB", "TK560 Serial", "TK160"}), patterns());
    // One shared list: the second file's File1 replaces slot 0 and its count replaces the first's.
    EXPECT_EQ((std::vector<std::string>{"scardsvr.exe"}), systemFiles());
    EXPECT_EQ("smclib.sys", d.systemFiles[1]);
    // No HBCIInstall key: the first file's flag and CT-API name stay.
    EXPECT_TRUE(d.hbciInstall);
    EXPECT_EQ("ctk560.dll", d.ctApiLibraryName);
}

TEST_F(DescriptionLoaderTest, LaterFileReplacesTheCtApiNameWhileHbciInstallStaysSet) {
    load("[ReaderProperties]\nHBCIInstall=1\n[CTAPIProperties]\nDllName=first.dll\n");
    load("[CTAPIProperties]\nDllName=second.dll\n");
    EXPECT_EQ("second.dll", d.ctApiLibraryName);

    load("[ReaderProperties]\nHBCIInstall=2\n[CTAPIProperties]\nDllName=third.dll\n");
    EXPECT_FALSE(d.hbciInstall);
    EXPECT_EQ("second.dll", d.ctApiLibraryName);

    load("[ReaderProperties]\nHBCIInstall=1\n");  // no section: its default names no DllName key
    EXPECT_EQ("second.dll", d.ctApiLibraryName);
}

TEST_F(DescriptionLoaderTest, FileWithoutEntriesStillFillsItsFirstSlot) {
    load(kTk560);
    d.primaryRecordCount = d.readerRecordCount;
    load("[DriverProperties]\nFile2K=second.sys\n[RegistryKeys]\nServerNameW9x=TKR_DRV2\n"
         "[ReaderProperties]\nReaderType=7\n");

    EXPECT_EQ(2, d.readerRecordCount);
    EXPECT_EQ("second.sys", d.records[2].DriverFile[2]);
    EXPECT_EQ("TKR_DRV2", d.records[2].ServerNameW9x);
    EXPECT_EQ(7, d.records[2].ReaderType);
}

TEST_F(DescriptionLoaderTest, EntryCountsAreClippedToTheRoomLeft) {
    load("[ReaderProperties]\nReaderEntriesCount=12\nReaderType=1\n[DriverProperties]\nFile2K=a.sys\n"
         "[ReaderProperties10]\nReaderName=Tenth\n[ReaderProperties11]\nReaderName=Eleventh\n");
    ASSERT_EQ(10, d.readerRecordCount);
    EXPECT_EQ("Tenth", d.records[9].ReaderName);
    EXPECT_EQ("a.sys", d.records[9].DriverFile[2]);

    load("[ReaderProperties]\nReaderEntriesCount=1\nReaderType=5\nReaderNameCount=1\nName1=Still\n"
         "[DriverProperties]\nFile2K=b.sys\n[ReaderProperties1]\nReaderName=None\n");
    EXPECT_EQ(10, d.readerRecordCount);
    EXPECT_EQ("a.sys", d.records[9].DriverFile[2]);
    EXPECT_EQ(1, d.records[9].ReaderType);
    EXPECT_EQ((std::vector<std::string>{"Still"}), patterns());
}

TEST_F(DescriptionLoaderTest, NegativeAndMissingCountsCountAsZero) {
    load("[ReaderProperties]\nReaderEntriesCount=-3\nReaderNameCount=-1\nName1=x\n"
         "[SystemFiles]\nSystemFilesCount=-2\nFile1=a.dll\n[ReaderProperties1]\nReaderName=R\n");
    EXPECT_EQ(0, d.readerRecordCount);
    EXPECT_EQ(0, d.namePatternCount);
    EXPECT_EQ(0, d.systemFileCount);
    EXPECT_EQ("", d.records[0].ReaderName);
}

struct PatternCase {
    const char* what;
    const char* section;
    std::vector<std::string> patterns;
    std::vector<std::string> displayNames;  // slots 0..2
};

TEST_F(DescriptionLoaderTest, PatternsCountOnlyInOrderAfterTheirCount) {
    const std::vector<PatternCase> cases = {
        {"count after the names", "Name1=a\nName2=b\nReaderNameCount=2\n", {}, {"R", "R", ""}},
        {"Name2 before Name1", "ReaderNameCount=2\nName2=b\nName1=a\n", {"a"}, {"R", "R", ""}},
        {"more names than counted", "ReaderNameCount=1\nName1=a\nName2=b\n", {"a"}, {"R", "", ""}},
        {"leading zeros are other names", "ReaderNameCount=2\nName01=a\nName1=b\n", {"b"}, {"R", "R", ""}},
        {"three patterns for one entry repeat its name", "ReaderNameCount=3\nName1=a\nName2=b\nName3=c\n",
         {"a", "b", "c"}, {"R", "R", "R"}},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.what);
        d = ReaderDescription{};
        load(std::string("[ReaderProperties]\nReaderEntriesCount=1\n") + c.section +
             "[ReaderProperties1]\nReaderName=R\n");
        EXPECT_EQ(c.patterns, patterns());
        EXPECT_EQ(c.displayNames, (std::vector<std::string>{d.displayNames[0], d.displayNames[1], d.displayNames[2]}));
    }
}

TEST_F(DescriptionLoaderTest, SystemFilesCountRules) {
    load("[SystemFiles]\nSystemFilesCount=3\nFile1=a.dll\nFile2=b.dll\nFile3=c.dll\nFile4=d.dll\n");
    EXPECT_EQ((std::vector<std::string>{"a.dll", "b.dll", "c.dll"}), systemFiles());

    load("[SystemFiles]\nSystemFilesCount=many\nFile1=x.dll\n");  // not a number: the count stays
    EXPECT_EQ((std::vector<std::string>{"x.dll", "b.dll", "c.dll"}), systemFiles());

    load("[SystemFiles]\nFile1=early.dll\nSystemFilesCount=40\nFile2=y.dll\n");
    EXPECT_EQ(25, d.systemFileCount);
    EXPECT_EQ("early.dll", d.systemFiles[0]);
    EXPECT_EQ("y.dll", d.systemFiles[1]);
}

TEST_F(DescriptionLoaderTest, IntegersReadAsTheCLibraryDoes) {
    load("[ReaderProperties]\nReaderEntriesCount=2 readers\nReaderType=+3x\n[ReaderProperties1]\nReaderName=a\n");
    EXPECT_EQ(2, d.readerRecordCount);
    EXPECT_EQ(3, d.records[0].ReaderType);

    d = ReaderDescription{};
    load("[ReaderProperties]\nReaderEntriesCount=two\nReaderType=99999999999\n");
    EXPECT_EQ(0, d.readerRecordCount);
    EXPECT_EQ(2147483647, d.records[0].ReaderType);
}

TEST_F(DescriptionLoaderTest, OverLongValuesAreCutToTheirFields) {
    const std::string longText(600, 'v');
    load("[ReaderProperties]\nReaderEntriesCount=1\nReaderNameCount=1\nName1=" + longText +
         "\n[DriverProperties]\nFile2K=" + longText + "\n[RegistryKeys]\nServerNameW9x=" + longText +
         "\n[SystemFiles]\nSystemFilesCount=1\nFile1=" + longText + "\n[ReaderProperties1]\nReaderName=" +
         longText + "\nHardwareID=" + longText + "\n[ReaderProperties]\n");
    EXPECT_EQ(255u, d.records[0].ReaderName.size());
    EXPECT_EQ(255u, d.displayNames[0].size());
    EXPECT_EQ(511u, d.records[0].HardwareID.size());
    EXPECT_EQ(249u, d.records[0].DriverFile[2].size());
    EXPECT_EQ(49u, d.records[0].ServerNameW9x.size());
    EXPECT_EQ(255u, d.namePatterns[0].size());
    EXPECT_EQ(255u, d.systemFiles[0].size());
}

TEST_F(DescriptionLoaderTest, KeyListBeyondItsBufferKeepsOnlyTheNamesThatFitWhole) {
    // The list is cut to 1998 bytes right after "Name2" of "Name21": that cut name must not pass for
    // the real Name2, which lies beyond the cut.
    std::string section = "[ReaderProperties]\nReaderNameCount=2\nName1=a\n";  // 22 bytes of list
    for (int i = 1; i <= 281; ++i) section += "Pad" + std::to_string(1000 + i).substr(1) + "=x\n";  // 7 each
    section += "Pad=x\nName21=x\nName2=b\n";
    load(section);
    EXPECT_EQ((std::vector<std::string>{"a"}), patterns());
}

TEST_F(DescriptionLoaderTest, MissingFileAddsNothing) {
    loadDescription(d, machine.profile, "C:\\nowhere\\inst360.ini");
    EXPECT_EQ(0, d.readerRecordCount);
    EXPECT_EQ(0, d.namePatternCount);
    EXPECT_EQ(0, d.systemFileCount);
    EXPECT_FALSE(d.hbciInstall);
    EXPECT_EQ("", d.ctApiLibraryName);
}

TEST(DescriptionAtInitialisation, LoadsBothFilesAndNamesTheSecondaryReader) {
    testing::ProbeFixture f;
    f.machine.files.addFile("C:\\Setup\\INST360.INI", kTk560);
    f.machine.files.addFile("C:\\Setup\\INST160.INI",
                            "[ReaderProperties]\nReaderEntriesCount=1\n[ReaderProperties1]\nReaderName=Kavrin TK160\n");
    ProbeState& state = f.session.state;
    state.primaryDescriptionPath = "c:\\setup\\inst360.ini";
    state.secondaryDescriptionPath = "c:\\setup\\inst160.ini";

    f.session.initialise();

    EXPECT_EQ(2, state.description.primaryRecordCount);
    EXPECT_EQ(3, state.description.readerRecordCount);
    EXPECT_EQ("Kavrin TK160", state.secondaryReaderName);
    EXPECT_THAT(f.lines(), ::testing::Contains("    ERROR: C:\\WINDOWS\\system32\\drivers\\tkr_drv.sys device driver is "
                                               "not installed!"));
}

TEST(DescriptionAtInitialisation, NoSecondaryFileNoSecondaryReader) {
    testing::ProbeFixture f;
    f.machine.files.addFile("C:\\TK560\\Inst360.ini", kTk560);
    f.session.state.primaryDescriptionPath = "C:\\TK560\\Inst360.ini";
    f.session.initialise();
    EXPECT_EQ(2, f.session.state.description.primaryRecordCount);
    EXPECT_EQ("", f.session.state.secondaryReaderName);
}

}  // namespace
}  // namespace probe
