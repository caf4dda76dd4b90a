#pragma once
// Starting other programs: CreateProcessA, WaitForSingleObject, GetExitCodeProcess.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// A started program. Its handles are closed when the object goes; the program runs on.
class Process {
public:
    virtual ~Process() = default;
    // Waits without time limit until the program has ended.
    virtual void wait() = 0;
    // GetExitCodeProcess; nullopt when the platform refuses it.
    virtual std::optional<std::uint32_t> exitCode() = 0;
};

class Processes {
public:
    virtual ~Processes() = default;
    // CreateProcessA with the application name (none when empty) and the command line, no inherited
    // handles, no creation flags, the caller's environment and current directory, and a start-up
    // description that is all zero but its size. Without an application name the platform takes the
    // program from the command line: a quoted first word as it stands, otherwise the shortest run of
    // words that names an existing program. Null when it cannot be started.
    virtual std::unique_ptr<Process> start(const std::string& applicationName, const std::string& commandLine) = 0;
};

}  // namespace platform
