#include <gtest/gtest.h>

#include "ContractWorld.h"
#include "platform/sim/SimText.h"

namespace contract {
namespace {

using platform::sim::foldCase;

// A recorded start, with its program path folded: the platform may report it in another case.
std::string folded(const std::string& start) {
    const auto bar = start.find(" | ");
    return foldCase(start.substr(0, bar)) + start.substr(bar);
}

// What follows the quoted program in a recorded start's command line, when that program is a
// Romloader.exe; "<not quoted>" otherwise.
std::string parametersAfterQuotedRomloader(const std::string& start) {
    const auto first = start.find(" | ");
    const std::string commandLine = start.substr(first + 3, start.rfind(" | ") - first - 3);
    const auto close = commandLine.find('"', 1);
    if (commandLine.empty() || commandLine[0] != '"' || close == std::string::npos) return "<not quoted>";
    const std::string program = commandLine.substr(1, close - 1);
    const std::string name = "romloader.exe";
    if (program.size() < name.size() || foldCase(program.substr(program.size() - name.size())) != name)
        return "<not quoted>";
    return commandLine.substr(close + 1);
}

TEST(ProgramsContract, StartsAProgramWaitsForItAndReadsItsExitCode) {
    auto world = makeContractWorld();
    auto platform = world->platform();
    const std::string folder = world->scratchFolder();
    const std::string current = platform.files.currentDirectory(260);
    std::size_t started = 0;
    for (const std::uint32_t exitCode : {0u, 1u, 2u, 0x7FFFFFFFu}) {
        const std::string program = folder + "\\Tool" + std::to_string(exitCode) + ".exe";
        world->placeProgram(program, exitCode);
        const std::string commandLine = "\"" + program + "\" -CHECK";
        auto process = platform.processes.start("", commandLine);
        ASSERT_TRUE(process);
        process->wait();
        EXPECT_EQ(exitCode, process->exitCode());
        const auto starts = world->programStarts(++started);
        ASSERT_EQ(started, starts.size());
        EXPECT_EQ(foldCase(program) + " | " + commandLine + " | " + current, folded(starts.back()));
    }
}

TEST(ProgramsContract, AMissingProgramIsNotStarted) {
    auto world = makeContractWorld();
    auto& processes = world->platform().processes;
    const std::string missing = world->scratchFolder() + "\\USBDFU\\Romloader.exe";
    EXPECT_FALSE(processes.start("", "\"" + missing + "\" -CHECK"));
    EXPECT_FALSE(processes.start(missing, "Romloader.exe -CHECK"));
}

// Without quotes and without an application name, the platform takes the shortest run of words that
// names a program: a folder with blanks can lead it to another program than the one meant.
TEST(ProgramsContract, AnUnquotedCommandLineMayNameAnotherProgram) {
    auto world = makeContractWorld();
    auto platform = world->platform();
    const std::string folder = world->scratchFolder();
    ASSERT_TRUE(platform.files.createDirectory(folder + "\\my tools"));
    const std::string meant = folder + "\\my tools\\Romloader.exe";
    world->placeProgram(meant, 5);
    world->placeProgram(folder + "\\my.exe", 7);

    const auto exitCodeOf = [&](const std::string& application, const std::string& commandLine) {
        auto process = platform.processes.start(application, commandLine);
        if (!process) return std::uint32_t{0xDEAD};
        process->wait();
        return process->exitCode().value_or(0xDEAD);
    };
    EXPECT_EQ(7u, exitCodeOf("", meant + " -CHECK"));
    EXPECT_EQ(5u, exitCodeOf("", "\"" + meant + "\" -CHECK"));
    EXPECT_EQ(5u, exitCodeOf(meant, meant + " -CHECK"));
}

TEST(ProgramsContract, TheShellStartsAProgramInItsFolderWithTheParameters) {
    auto world = makeContractWorld();
    auto platform = world->platform();
    const std::string folder = world->scratchFolder() + "\\USBDFU";
    ASSERT_TRUE(platform.files.createDirectory(folder));
    world->placeProgram(folder + "\\Romloader.exe", 0);

    EXPECT_GT(platform.shell.open("Romloader.exe", "-D", folder, platform::kShowNormal), 32);
    EXPECT_GT(platform.shell.open("Romloader.exe", "", folder, platform::kShowNormal), 32);
    const auto starts = world->programStarts(2);
    ASSERT_EQ(2u, starts.size());
    // The shell may hand the file on as given or with its folder; either way quoted, then the parameters.
    EXPECT_EQ(" -D", parametersAfterQuotedRomloader(starts[0]));
    EXPECT_EQ("", parametersAfterQuotedRomloader(starts[1]));
    for (const std::string& start : starts) {
        EXPECT_EQ(0u, folded(start).find(foldCase(folder + "\\Romloader.exe") + " | "));
        EXPECT_EQ(" | " + folder, start.substr(start.rfind(" | ")));
    }

    EXPECT_LE(platform.shell.open("Romloader.exe", "", world->scratchFolder(), platform::kShowNormal), 32);
}

}  // namespace
}  // namespace contract
