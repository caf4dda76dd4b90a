#pragma once
#include "../SystemInfo.h"

namespace platform::win32 {

class Win32System : public SystemInfo {
public:
    bool getVersion(OsVersion& out) override;
    std::string moduleFileName(std::uint32_t bufferSize) override;
    std::string windowsDirectory(std::uint32_t bufferSize) override;
    std::string systemDirectory(std::uint32_t bufferSize) override;
    bool environmentVariable(const std::string& name, std::uint32_t bufferSize, std::string& out) override;
    std::uint16_t userDefaultLangId() override;
    bool isWow64Process() override;
    void enableWow64FsRedirection(bool enable) override;
};

}  // namespace platform::win32
