#include "Win32System.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {

bool Win32System::getVersion(OsVersion& out) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
    if (!GetVersionExA(&info)) return false;
    out.majorVersion = info.dwMajorVersion;
    out.minorVersion = info.dwMinorVersion;
    out.buildNumber = info.dwBuildNumber;
    out.platformId = info.dwPlatformId;
    out.csdVersion = info.szCSDVersion;
    return true;
}

std::string Win32System::moduleFileName(std::uint32_t bufferSize) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), bufferSize);
    return std::string(buffer.data(), n < bufferSize ? n : (bufferSize ? bufferSize - 1 : 0));
}

std::string Win32System::windowsDirectory(std::uint32_t bufferSize) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    const UINT n = GetWindowsDirectoryA(buffer.data(), bufferSize);
    return (n == 0 || n >= bufferSize) ? std::string() : std::string(buffer.data(), n);
}

std::string Win32System::systemDirectory(std::uint32_t bufferSize) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    const UINT n = GetSystemDirectoryA(buffer.data(), bufferSize);
    return (n == 0 || n >= bufferSize) ? std::string() : std::string(buffer.data(), n);
}

bool Win32System::environmentVariable(const std::string& name, std::uint32_t bufferSize, std::string& out) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    const DWORD n = GetEnvironmentVariableA(name.c_str(), buffer.data(), bufferSize);
    if (n == 0 || n >= bufferSize) return false;
    out.assign(buffer.data(), n);
    return true;
}

std::uint16_t Win32System::userDefaultLangId() { return GetUserDefaultLangID(); }

}  // namespace platform::win32
