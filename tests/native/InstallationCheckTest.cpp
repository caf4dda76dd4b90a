#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "InstallationCheck.h"
#include "ProbeFixture.h"
#include "SystemFilesCheck.h"

namespace probe {
namespace {

using Lines = std::vector<std::string>;

const char* const kDrivers = "C:\\WINDOWS\\system32\\drivers\\";

class InstallationCheckTest : public ::testing::Test, public testing::ProbeFixture {
protected:
    InstallationCheckTest() {
        // Windows XP with one TK560 record and its CT-API library.
        state().run.osFamily = 2;
        reader().ReaderType = 1;
        reader().ReaderOsFamily = 2;
        reader().DriverFile = {"tkr_drv.vxd", "tkr_nt.sys", "tkr_drv.sys"};
        description().readerRecordCount = 1;
        description().primaryRecordCount = 1;
        description().ctApiLibraryName = "ctk560.dll";
    }

    ProbeState& state() { return session.state; }
    ReaderDescription& description() { return state().description; }
    ReaderRecord& reader() { return description().records[0]; }

    bool check() {
        ProbeEnv e = env();
        return checkInstallation(e);
    }
    // Windows 98 (or 95) as the run sees it.
    void windows9x(bool windows95 = false) {
        machine.system.windowsDir = "C:\\WINDOWS";
        machine.system.systemDir = "C:\\WINDOWS\\SYSTEM";
        state().run.osFamily = 0;
        state().run.isWindows95 = windows95;
        reader().ReaderOsFamily = 0;
    }
};

TEST_F(InstallationCheckTest, ReportsDriverAndCtApiWithTheirVersions) {
    machine.files.addVersionedFile(std::string(kDrivers) + "TKR_DRV.SYS", 5, 1, 2600, 0);
    machine.files.addVersionedFile("C:\\WINDOWS\\system32\\ctk560.dll", 1, 0, 0, 3);

    EXPECT_TRUE(check());

    EXPECT_EQ((Lines{"Installation check:", "    Device driver tkr_drv.sys Version 5.1.2600.0. is installed.",
                     "    CT-API DLL ctk560.dll Version 1.0.0.3. is installed."}),
              lines());
    EXPECT_TRUE(state().run.driverInstalled);
    EXPECT_TRUE(state().run.ctApiInstalled);
    EXPECT_TRUE(state().run.zkaReady);
    EXPECT_TRUE(machine.system.redirectionCalls.empty());
}

TEST_F(InstallationCheckTest, GermanLines) {
    state().language = Language::German;
    machine.files.addVersionedFile(std::string(kDrivers) + "tkr_drv.sys", 2, 5, 10, 3);

    EXPECT_FALSE(check());

    EXPECT_EQ((Lines{"Check der Installation:", "    Gerätetreiber tkr_drv.sys Version 2.5.10.3. ist installiert.",
                     "    FEHLER: C:\\WINDOWS\\system32\\ctk560.dll ist nicht installiert!",
                     "         Bitte starten Sie das Setup, um die DLL zu installieren!", " "}),
              lines());
}

struct FolderCase {
    const char* what;
    int osFamily;
    std::string driver;
    std::string path;  // where it is looked for
};

TEST_F(InstallationCheckTest, ChoosesTheDriverFolderByTheNamesExtension) {
    const std::vector<FolderCase> cases = {
        {"a .sys driver on XP", 2, "tkr_drv.sys", "C:\\WINDOWS\\system32\\drivers\\tkr_drv.sys"},
        {"a .vxd driver on 98", 0, "tkr_drv.vxd", "C:\\WINDOWS\\system\\tkr_drv.vxd"},
        {"no dot, SYS in the name", 2, "TKRSYS", "C:\\WINDOWS\\system32\\drivers\\TKRSYS"},
        {"no dot, no SYS", 2, "tkrdrv", "C:\\WINDOWS\\system\\tkrdrv"},
        {"an extension holding SYS", 2, "tkr.xsysx", "C:\\WINDOWS\\system32\\drivers\\tkr.xsysx"},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.what);
        state().protocol.clear();
        state().run.driverInstalled = false;
        state().run.osFamily = c.osFamily;
        reader().ReaderOsFamily = c.osFamily;
        reader().DriverFile[c.osFamily] = c.driver;
        description().ctApiLibraryName.clear();
        machine.files.addVersionedFile(c.path, 1, 2, 3, 4);

        EXPECT_TRUE(check());
        EXPECT_TRUE(state().run.driverInstalled);
        ASSERT_EQ(2u, lines().size());
        EXPECT_EQ("    Device driver " + c.driver + " Version 1.2.3.4. is installed.", lines()[1]);
    }
}

TEST_F(InstallationCheckTest, MissingDriverAndCtApi) {
    EXPECT_FALSE(check());

    EXPECT_EQ((Lines{"Installation check:",
                     "    ERROR: C:\\WINDOWS\\system32\\drivers\\tkr_drv.sys device driver is not installed!",
                     "         Please start the Setup to install the device driver!", " ",
                     "    ERROR: C:\\WINDOWS\\system32\\ctk560.dll is not installed!",
                     "         Please start the Setup to install the DLL!", " "}),
              lines());
    EXPECT_EQ(5u, state().protocol.selected());  // the DLL line scrolls into view
    EXPECT_FALSE(state().run.driverInstalled);
    EXPECT_FALSE(state().run.ctApiInstalled);
    EXPECT_TRUE(state().run.zkaReady);
}

TEST_F(InstallationCheckTest, FileWithoutVersionFailsWithoutALine) {
    machine.files.addFile(std::string(kDrivers) + "tkr_drv.sys", "no version resource");
    description().ctApiLibraryName.clear();

    EXPECT_FALSE(check());

    EXPECT_EQ((Lines{"Installation check:"}), lines());
    EXPECT_FALSE(state().run.driverInstalled);
}

TEST_F(InstallationCheckTest, SecondaryDescriptionsDriverIsProbedToo) {
    machine.files.addVersionedFile(std::string(kDrivers) + "tkr_drv.sys", 1, 0, 0, 1);
    machine.files.addVersionedFile(std::string(kDrivers) + "tk160.sys", 1, 0, 0, 2);
    description().ctApiLibraryName.clear();
    description().records[1].DriverFile[2] = "tk160.sys";

    EXPECT_TRUE(check());
    EXPECT_EQ((Lines{"Installation check:", "    Device driver tkr_drv.sys Version 1.0.0.1. is installed.",
                     "    Device driver tk160.sys Version 1.0.0.2. is installed."}),
              lines());

    // The same name in both records: probed and reported twice.
    state().protocol.clear();
    description().records[1].DriverFile[2] = "tkr_drv.sys";
    EXPECT_TRUE(check());
    EXPECT_EQ(3u, lines().size());
    EXPECT_EQ(lines()[1], lines()[2]);

    // A full table has no secondary slot.
    state().protocol.clear();
    description().primaryRecordCount = 10;
    EXPECT_TRUE(check());
    EXPECT_EQ(2u, lines().size());
}

TEST_F(InstallationCheckTest, NoDriverNameSkipsTheSecondaryToo) {
    reader().DriverFile[2].clear();
    description().records[1].DriverFile[2] = "tk160.sys";
    description().ctApiLibraryName.clear();

    EXPECT_TRUE(check());
    EXPECT_EQ((Lines{"Installation check:"}), lines());
    EXPECT_FALSE(state().run.driverInstalled);
}

TEST_F(InstallationCheckTest, TypeTwoReaderOnNt4FailsWithoutALine) {
    state().run.osFamily = 1;
    reader().ReaderOsFamily = 1;
    reader().ReaderType = 2;
    machine.files.addVersionedFile(std::string(kDrivers) + "tkr_nt.sys", 1, 0, 0, 0);
    machine.files.addVersionedFile("C:\\WINDOWS\\system32\\ctk560.dll", 1, 0, 0, 0);

    EXPECT_FALSE(check());

    EXPECT_EQ((Lines{"Installation check:", "    CT-API DLL ctk560.dll Version 1.0.0.0. is installed."}), lines());
    EXPECT_FALSE(state().run.driverInstalled);
}

TEST_F(InstallationCheckTest, Windows98DriversOfTheReaderServer) {
    windows9x();
    reader().ServerNameW9x = "Kavrin TKR_DRV server";
    description().ctApiLibraryName.clear();
    machine.files.addVersionedFile("C:\\WINDOWS\\SYSTEM\\TKR_DRV.VXD", 4, 0, 0, 1);
    machine.files.addVersionedFile("C:\\WINDOWS\\SYSTEM32\\drivers\\tkr_drv.sys", 4, 0, 0, 2);

    EXPECT_TRUE(check());

    EXPECT_EQ((Lines{"Installation check:", "    Device driver tkr_drv.vxd Version 4.0.0.1. is installed.",
                     "    Device driver TKR_DRV.VxD Version 4.0.0.1. is installed.",
                     "    Device driver TKR_DRV.SYS Version 4.0.0.2. is installed."}),
              lines());
    EXPECT_TRUE(state().run.driverInstalled);
}

TEST_F(InstallationCheckTest, Windows95LooksForTheVirtualDriverOnly) {
    windows9x(true);
    reader().DriverFile[0].clear();
    reader().ServerNameW9x = "TKR_DRV";
    description().ctApiLibraryName.clear();
    state().run.zkaTestWanted = true;

    EXPECT_FALSE(check());

    EXPECT_EQ((Lines{"Installation check:",
                     "    ERROR: C:\\WINDOWS\\SYSTEM\\tkr_drv.vxd device driver is not installed!",
                     "         Please start the Setup to install the device driver!", " "}),
              lines());
    EXPECT_FALSE(state().run.driverInstalled);
    EXPECT_TRUE(state().run.zkaReady);
}

TEST_F(InstallationCheckTest, ServerNameIsComparedWithItsCase) {
    windows9x();
    reader().DriverFile[0].clear();
    reader().ServerNameW9x = "tkr_drv";
    description().ctApiLibraryName.clear();

    EXPECT_TRUE(check());
    EXPECT_EQ((Lines{"Installation check:"}), lines());
}

TEST_F(InstallationCheckTest, ZkaLibrary) {
    machine.files.addVersionedFile(std::string(kDrivers) + "tkr_drv.sys", 1, 0, 0, 0);
    description().ctApiLibraryName.clear();
    state().run.zkaTestWanted = true;
    machine.system.environment["ZKA_SIG_HOME"] = "C:\\Program Files\\ZKA";
    machine.files.addVersionedFile("C:\\Program Files\\ZKA\\ZkaSigApi.dll", 3, 1, 0, 7);

    EXPECT_TRUE(check());
    EXPECT_EQ("    ZKA Sig API DLL Version 3.1.0.7. is installed.", lines().back());
    EXPECT_EQ("C:\\Program Files\\ZKA\\ZkaSigApi.dll", state().zkaLibraryPath);
    EXPECT_TRUE(state().run.zkaReady);
}

TEST_F(InstallationCheckTest, MissingZkaLibraryEndsTheCheckAtOnce) {
    state().run.zkaTestWanted = true;
    machine.files.addVersionedFile(std::string(kDrivers) + "tkr_drv.sys", 1, 0, 0, 0);
    machine.files.addVersionedFile("C:\\WINDOWS\\system32\\ctk560.dll", 1, 0, 0, 0);

    EXPECT_FALSE(check());

    EXPECT_EQ("\\ZkaSigApi.dll", state().zkaLibraryPath);  // ZKA_SIG_HOME not set
    EXPECT_EQ("    ERROR: \\ZkaSigApi.dll is not installed!", lines()[lines().size() - 3]);
    EXPECT_FALSE(state().run.zkaReady);
    EXPECT_TRUE(state().run.ctApiInstalled);
}

TEST_F(InstallationCheckTest, ZkaTestAppliesOnlyFromWindows2000On) {
    state().run.zkaTestWanted = true;
    state().run.osFamily = 1;
    reader().ReaderOsFamily = 1;
    description().ctApiLibraryName.clear();
    machine.files.addVersionedFile(std::string(kDrivers) + "tkr_nt.sys", 1, 0, 0, 0);

    EXPECT_TRUE(check());
    EXPECT_TRUE(state().run.zkaReady);
    EXPECT_EQ("", state().zkaLibraryPath);
}

TEST_F(InstallationCheckTest, DriversAreLookedForWithoutRedirectionOn64BitWindows) {
    // The driver lies in the real system32, the CT-API library in the 32-bit one.
    machine.system.wow64 = true;
    machine.files.addVersionedFile(std::string(kDrivers) + "tkr_drv.sys", 6, 0, 0, 1);
    machine.files.addVersionedFile("C:\\WINDOWS\\SysWOW64\\ctk560.dll", 1, 0, 0, 3);

    EXPECT_TRUE(check());

    EXPECT_TRUE(state().run.driverInstalled);
    EXPECT_TRUE(state().run.ctApiInstalled);
    EXPECT_EQ((std::vector<bool>{false, true}), machine.system.redirectionCalls);
}

TEST_F(InstallationCheckTest, RedirectionIsLeftAloneBeforeWindows2000) {
    machine.system.wow64 = true;
    windows9x();
    EXPECT_FALSE(check());
    EXPECT_TRUE(machine.system.redirectionCalls.empty());
}

class SystemFilesCheckTest : public InstallationCheckTest {
protected:
    bool checkFiles() {
        ProbeEnv e = env();
        return checkSystemFiles(e);
    }
};

TEST_F(SystemFilesCheckTest, ReportsEachListedFile) {
    description().systemFiles = {"smclib.SyS", "winscard.dll", "scardsvr.exe", "noext", "plain.dll"};
    description().systemFileCount = 4;  // plain.dll is not counted
    machine.files.addVersionedFile("C:\\WINDOWS\\System32\\Drivers\\smclib.sys", 5, 1, 2600, 0);
    machine.files.addVersionedFile("C:\\WINDOWS\\system32\\winscard.dll", 5, 1, 2600, 5512);
    machine.files.addVersionedFile("C:\\WINDOWS\\system32\\noext", 1, 0, 0, 0);

    EXPECT_FALSE(checkFiles());

    EXPECT_EQ((Lines{" ", "System Files Installation Check:", "    smclib.SyS Version 5.1.2600.0. is installed",
                     "    winscard.dll Version 5.1.2600.5512. is installed",
                     "    ERROR: C:\\WINDOWS\\system32\\scardsvr.exe is not installed!",
                     "         Please start the Setup to install the application!", " ",
                     "    noext Version 1.0.0.0. is installed"}),
              lines());
}

TEST_F(SystemFilesCheckTest, GermanAndAFileWithoutVersion) {
    state().language = Language::German;
    description().systemFiles[0] = "winscard.dll";
    description().systemFiles[1] = "smclib.sys";
    description().systemFileCount = 2;
    machine.files.addVersionedFile("C:\\WINDOWS\\system32\\winscard.dll", 5, 1, 2600, 0);
    machine.files.addFile("C:\\WINDOWS\\System32\\Drivers\\smclib.sys");

    EXPECT_FALSE(checkFiles());

    EXPECT_EQ((Lines{" ", "Check der System Dateien:", "    winscard.dll Version 5.1.2600.0. ist installiert"}),
              lines());
}

TEST_F(SystemFilesCheckTest, AllFoundPasses) {
    description().systemFiles[0] = "winscard.dll";
    description().systemFileCount = 1;
    machine.files.addVersionedFile("C:\\WINDOWS\\system32\\winscard.dll", 5, 1, 2600, 0);
    EXPECT_TRUE(checkFiles());
}

}  // namespace
}  // namespace probe
