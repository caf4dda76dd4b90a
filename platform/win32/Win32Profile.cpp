#include "Win32Profile.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {

std::string Win32Profile::getString(const std::string& section, const std::optional<std::string>& key,
                                    const std::string& defaultValue, std::uint32_t bufferSize,
                                    const std::string& fileName) {
    if (bufferSize == 0) return {};
    std::vector<char> buffer(bufferSize + 2, '\0');
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key ? key->c_str() : nullptr, defaultValue.c_str(),
                                             buffer.data(), bufferSize, fileName.c_str());
    return std::string(buffer.data(), n < bufferSize ? n : bufferSize);
}

}  // namespace platform::win32
