#include "Win32Processes.h"

#include <windows.h>

#include <vector>

#include "ScopedHandle.h"

namespace platform::win32 {
namespace {

class Win32Process : public Process {
public:
    Win32Process(HANDLE process, HANDLE thread) : process_(process), thread_(thread) {}

    void wait() override { WaitForSingleObject(process_.get(), INFINITE); }
    std::optional<std::uint32_t> exitCode() override {
        DWORD code = 0;
        if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
        return code;
    }

private:
    ScopedHandle process_;
    ScopedHandle thread_;
};

}  // namespace

std::unique_ptr<Process> Win32Processes::start(const std::string& applicationName, const std::string& commandLine) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(applicationName.empty() ? nullptr : applicationName.c_str(), line.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, nullptr, &startup, &info))
        return nullptr;
    return std::make_unique<Win32Process>(info.hProcess, info.hThread);
}

}  // namespace platform::win32
