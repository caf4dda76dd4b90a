#pragma once
#include <map>
#include <string>
#include <vector>

#include "../Processes.h"
#include "../Shell.h"
#include "SimFileSystem.h"

namespace platform::sim {

// Programs placed at full paths; each one ends at once with its scripted exit code. Starts are
// recorded with the program the platform would pick, the command line it would see and the folder
// it would start in.
class SimProcesses : public Processes {
public:
    explicit SimProcesses(SimFileSystem& files) : files_(files) {}

    std::unique_ptr<Process> start(const std::string& applicationName, const std::string& commandLine) override;

    void addProgram(const std::string& path, std::uint32_t exitCode);
    // The program at path as placed, or empty when there is none.
    std::string programAt(const std::string& path) const;

    struct Start {
        std::string program;
        std::string commandLine;
        std::string directory;
    };
    std::vector<Start> starts;
    int waits = 0;
    bool exitCodeFails = false;  // GetExitCodeProcess refuses

private:
    std::string programFromCommandLine(const std::string& commandLine) const;

    SimFileSystem& files_;
    std::map<std::string, std::pair<std::string, std::uint32_t>> programs_;  // folded path -> path, exit code
};

// Opens files through the simulated programs: an existing program is started in `directory`.
class SimShell : public Shell {
public:
    explicit SimShell(SimProcesses& processes) : processes_(processes) {}

    std::intptr_t open(const std::string& file, const std::string& parameters, const std::string& directory,
                       int showCommand) override;

    struct Opened {
        std::string file;
        std::string parameters;
        std::string directory;
        int showCommand = 0;
    };
    std::vector<Opened> opened;

private:
    SimProcesses& processes_;
};

}  // namespace platform::sim
