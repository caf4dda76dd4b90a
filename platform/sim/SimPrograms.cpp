#include "SimPrograms.h"

#include "SimText.h"

namespace platform::sim {
namespace {

constexpr std::intptr_t kShellStarted = 42;
constexpr std::intptr_t kShellFileNotFound = 2;

class SimProcess : public Process {
public:
    SimProcess(std::uint32_t exitCode, bool exitCodeFails, int& waits)
        : exitCode_(exitCode), exitCodeFails_(exitCodeFails), waits_(waits) {}
    void wait() override { ++waits_; }
    std::optional<std::uint32_t> exitCode() override {
        if (exitCodeFails_) return std::nullopt;
        return exitCode_;
    }

private:
    std::uint32_t exitCode_;
    bool exitCodeFails_;
    int& waits_;
};

bool hasExtension(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return path.find('.', slash == std::string::npos ? 0 : slash) != std::string::npos;
}

}  // namespace

void SimProcesses::addProgram(const std::string& path, std::uint32_t exitCode) {
    programs_[foldCase(path)] = {path, exitCode};
}

std::string SimProcesses::programAt(const std::string& path) const {
    const std::string full = files_.absolute(path);
    for (const std::string& candidate : {full, full + ".exe"}) {
        if (candidate != full && hasExtension(full)) continue;
        const auto found = programs_.find(foldCase(candidate));
        if (found != programs_.end()) return found->second.first;
    }
    return {};
}

// The platform's reading of a command line without application name: a quoted first word names the
// program; otherwise the words are tried from the shortest run up, ".exe" added when there is no extension.
std::string SimProcesses::programFromCommandLine(const std::string& commandLine) const {
    if (!commandLine.empty() && commandLine[0] == '"') {
        const auto close = commandLine.find('"', 1);
        return programAt(commandLine.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    }
    for (std::size_t blank = commandLine.find(' ');; blank = commandLine.find(' ', blank + 1)) {
        const std::string program = programAt(commandLine.substr(0, blank));
        if (!program.empty() || blank == std::string::npos) return program;
    }
}

std::unique_ptr<Process> SimProcesses::start(const std::string& applicationName, const std::string& commandLine) {
    const std::string program =
        applicationName.empty() ? programFromCommandLine(commandLine) : programAt(applicationName);
    if (program.empty()) return nullptr;
    starts.push_back({program, commandLine, files_.currentDirectory(260)});
    return std::make_unique<SimProcess>(programs_.at(foldCase(program)).second, exitCodeFails, waits);
}

std::intptr_t SimShell::open(const std::string& file, const std::string& parameters, const std::string& directory,
                             int showCommand) {
    opened.push_back({file, parameters, directory, showCommand});
    const std::string path = file.find('\\') == std::string::npos ? directory + "\\" + file : file;
    const std::string program = processes_.programAt(path);
    if (program.empty()) return kShellFileNotFound;
    // The platform hands the file on quoted as it was given, followed by the parameters.
    processes_.starts.push_back({program, "\"" + file + "\"" + (parameters.empty() ? "" : " " + parameters), directory});
    return kShellStarted;
}

}  // namespace platform::sim
