#pragma once
// Facts about the running system and program: GetVersionExA, GetModuleFileNameA,
// GetWindowsDirectoryA, GetSystemDirectoryA, GetEnvironmentVariableA, GetUserDefaultLangID, and the
// WOW64 file-system redirection of a 32-bit program on 64-bit Windows.
#include <cstdint>
#include <string>

namespace platform {

struct OsVersion {
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;  // 1: Windows 9x family, 2: NT family
    std::string csdVersion;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // False when the platform refuses the query; `out` is then untouched.
    virtual bool getVersion(OsVersion& out) = 0;
    // Full path of the running program file, cut to bufferSize - 1 characters as the platform does.
    virtual std::string moduleFileName(std::uint32_t bufferSize) = 0;
    // Empty when the text does not fit into bufferSize characters.
    virtual std::string windowsDirectory(std::uint32_t bufferSize) = 0;
    virtual std::string systemDirectory(std::uint32_t bufferSize) = 0;
    // False when the variable is not set or does not fit into bufferSize characters.
    virtual bool environmentVariable(const std::string& name, std::uint32_t bufferSize, std::string& out) = 0;
    virtual std::uint16_t userDefaultLangId() = 0;
    // IsWow64Process for the running process, looked up at run time; false where the platform lacks it.
    virtual bool isWow64Process() = 0;
    // Wow64EnableWow64FsRedirection, looked up at run time; its result is not reported, and nothing
    // happens where the platform lacks it.
    virtual void enableWow64FsRedirection(bool enable) = 0;
};

}  // namespace platform
