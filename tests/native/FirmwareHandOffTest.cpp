#include <gtest/gtest.h>

#include "FirmwareHandOff.h"
#include "ProbeFixture.h"

namespace probe {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;

const char* const kProgramFolder = "C:\\Tools\\Reader\\Probe";
const char* const kLauncher = "C:\\Tools\\Reader\\USBDFU\\Romloader.exe";

struct HandOffFixture : testing::ProbeFixture {
    HandOffFixture() { session.state.moduleDirectory = kProgramFolder; }
    bool check() {
        ProbeEnv e = env();
        return checkFirmwareCompatibility(e);
    }
    void handOff() {
        ProbeEnv e = env();
        handOffToFirmwareUpdate(e);
    }
    platform::sim::SimProcesses& processes() { return machine.processes; }
};

TEST(FirmwareHandOff, OnlyExitCodeOneAsksForTheUpdate) {
    for (const std::uint32_t exitCode : {0u, 1u, 2u, 0xFFFFFFFFu}) {
        HandOffFixture f;
        f.processes().addProgram(kLauncher, exitCode);
        EXPECT_EQ(exitCode == 1, f.check()) << exitCode;
        ASSERT_EQ(1u, f.processes().starts.size());
        const auto& start = f.processes().starts[0];
        EXPECT_EQ(kLauncher, start.program);
        EXPECT_EQ("\"C:\\Tools\\Reader\\USBDFU\\Romloader.exe\" -CHECK", start.commandLine);
        EXPECT_EQ("C:\\TK560", start.directory);  // the caller's own
        EXPECT_EQ(1, f.processes().waits);
        EXPECT_TRUE(f.machine.dialogs.shown.empty());
        EXPECT_TRUE(f.machine.shell.opened.empty());
    }
}

TEST(FirmwareHandOff, WithoutALauncherTheFirmwareCountsAsFitting) {
    HandOffFixture missing;
    EXPECT_FALSE(missing.check());
    EXPECT_TRUE(missing.processes().starts.empty());

    HandOffFixture unreadable;
    unreadable.processes().addProgram(kLauncher, 1);
    unreadable.processes().exitCodeFails = true;
    EXPECT_FALSE(unreadable.check());

    HandOffFixture inRoot;  // the program lies in a drive root: there is no folder beside its own
    inRoot.session.state.moduleDirectory = "C:";
    inRoot.processes().addProgram("C:\\USBDFU\\Romloader.exe", 1);
    EXPECT_FALSE(inRoot.check());
    EXPECT_TRUE(inRoot.processes().starts.empty());
}

TEST(FirmwareHandOff, AProgramFolderWithBlanksStartsTheLauncherItself) {
    HandOffFixture f;
    f.session.state.moduleDirectory = "C:\\Program Files\\Kavrin Reader\\Probe";
    f.processes().addProgram("C:\\Program.exe", 1);  // what an unquoted command line would start first
    f.processes().addProgram("C:\\Program Files\\Kavrin Reader\\USBDFU\\Romloader.exe", 0);
    EXPECT_FALSE(f.check());
    ASSERT_EQ(1u, f.processes().starts.size());
    EXPECT_EQ("C:\\Program Files\\Kavrin Reader\\USBDFU\\Romloader.exe", f.processes().starts[0].program);
    EXPECT_EQ("\"C:\\Program Files\\Kavrin Reader\\USBDFU\\Romloader.exe\" -CHECK",
              f.processes().starts[0].commandLine);
}

TEST(FirmwareHandOff, TellsTheUserThenStartsTheLauncherThroughTheShell) {
    struct Case {
        Language language;
        const char* text;
        const char* parameters;
    };
    for (const Case& c :
         {Case{Language::English,
               "The firmware version of the reader is not compatible with the installed host software.\n"
               "The program Romflash starts now.",
               ""},
          Case{Language::German,
               "Die Firmwareversion des Lesers ist nicht kompatibel zur installierten Software.\n"
               "Das Programm Romflash wird jetzt gestartet.",
               "-D"}}) {
        HandOffFixture f;
        f.session.state.language = c.language;
        f.processes().addProgram(kLauncher, 1);
        f.handOff();
        ASSERT_EQ(1u, f.machine.dialogs.shown.size());
        const auto& shown = f.machine.dialogs.shown[0];
        EXPECT_EQ(c.text, shown.text);
        EXPECT_EQ("SetupProbe Tool", shown.caption);
        EXPECT_EQ(MessageButtons::Ok, shown.buttons);
        EXPECT_EQ(MessageIcon::Information, shown.icon);
        ASSERT_EQ(1u, f.machine.shell.opened.size());
        const auto& opened = f.machine.shell.opened[0];
        EXPECT_EQ("Romloader.exe", opened.file);
        EXPECT_EQ(c.parameters, opened.parameters);
        EXPECT_EQ("C:\\Tools\\Reader\\USBDFU", opened.directory);
        EXPECT_EQ(1, opened.showCommand);
        ASSERT_EQ(1u, f.processes().starts.size());
        EXPECT_EQ("C:\\Tools\\Reader\\USBDFU", f.processes().starts[0].directory);
        EXPECT_EQ(0, f.processes().waits);
    }
}

TEST(FirmwareHandOff, AFailedStartOfTheUpdateIsNotReported) {
    HandOffFixture f;
    f.handOff();
    EXPECT_EQ(1u, f.machine.dialogs.shown.size());
    EXPECT_EQ(1u, f.machine.shell.opened.size());
    EXPECT_TRUE(f.processes().starts.empty());
}

}  // namespace
}  // namespace probe
