#include "Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace platform::win32 {

std::intptr_t Win32Shell::open(const std::string& file, const std::string& parameters, const std::string& directory,
                               int showCommand) {
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                      directory.empty() ? nullptr : directory.c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace platform::win32
