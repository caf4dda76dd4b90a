#pragma once
// Starting a file through the shell: ShellExecuteA.
#include <cstdint>
#include <string>

namespace platform {

constexpr int kShowNormal = 1;

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA with the operation "open", no owner window, the file (looked for in `directory`
    // when it is a bare name), the parameters (none when empty), the working directory and the show
    // state. Does not wait. Returns the platform's result: above 32 when started.
    virtual std::intptr_t open(const std::string& file, const std::string& parameters, const std::string& directory,
                               int showCommand) = 0;
};

}  // namespace platform
