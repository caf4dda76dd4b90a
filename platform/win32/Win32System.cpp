#include "Win32System.h"

#include <windows.h>

#include <memory>
#include <type_traits>
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

// Both functions exist only on systems that know WOW64, so they are looked up at run time.
bool Win32System::isWow64Process() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleA("kernel32");
    if (!kernel) return false;
    auto isWow64 = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

void Win32System::enableWow64FsRedirection(bool enable) {
    using EnableFn = BOOLEAN(WINAPI*)(BOOLEAN);
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> kernel(
        LoadLibraryA("Kernel32.DLL"), &FreeLibrary);
    if (!kernel) return;
    auto redirect = reinterpret_cast<EnableFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel.get(), "Wow64EnableWow64FsRedirection")));
    if (redirect) redirect(enable ? TRUE : FALSE);
}

}  // namespace platform::win32
