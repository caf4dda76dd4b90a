#pragma once
#include "../FileSystem.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
public:
    std::string currentDirectory(std::uint32_t bufferSize) override;
    bool setCurrentDirectory(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    unsigned long lastError() override { return lastError_; }
    bool fileExists(const std::string& path) override;
    std::unique_ptr<TextFile> openText(const std::string& path, TextFileMode mode) override;
    std::vector<std::string> findFiles(const std::string& pattern) override;
    std::optional<FixedFileVersion> fixedFileVersion(const std::string& path) override;

private:
    unsigned long lastError_ = 0;
};

}  // namespace platform::win32
