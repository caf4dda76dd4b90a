#pragma once
#include <functional>
#include <map>
#include <set>

#include "../FileSystem.h"

namespace platform::sim {

// A file system held as data. Paths are full Windows paths ("C:\dir\file"); names compare
// without regard to case. Relative paths are taken from the current directory.
class SimFileSystem : public FileSystem {
public:
    SimFileSystem();

    std::string currentDirectory(std::uint32_t bufferSize) override;
    bool setCurrentDirectory(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    unsigned long lastError() override { return lastError_; }
    bool fileExists(const std::string& path) override;
    std::unique_ptr<TextFile> openText(const std::string& path, TextFileMode mode) override;
    std::vector<std::string> findFiles(const std::string& pattern) override;
    std::optional<FixedFileVersion> fixedFileVersion(const std::string& path) override;

    struct File {
        std::string path;  // as created
        std::string content;
        std::optional<FixedFileVersion> version;
        bool locked = false;           // exists but cannot be opened
        std::size_t writeLimit = SIZE_MAX;  // writing beyond this size fails (a full disk)
    };

    // Arranging the machine.
    void addDirectory(const std::string& path);  // with all its parents
    File& addFile(const std::string& path, const std::string& content = {});
    void addVersionedFile(const std::string& path, std::uint16_t a, std::uint16_t b, std::uint16_t c,
                          std::uint16_t d);
    void setReadOnlyDirectory(const std::string& path);  // no new files can be made there
    void setUnenterableDirectory(const std::string& path);  // SetCurrentDirectory fails
    // What CreateDirectoryA reports for this path when it would otherwise succeed (0 = succeed).
    void failCreateDirectory(const std::string& path, unsigned long error);

    // Inspecting it.
    const File* file(const std::string& path) const;
    bool directoryExists(const std::string& path) const;
    std::string absolute(const std::string& path) const;

    // A 32-bit program's view on 64-bit Windows: while `active` answers true, the program's paths below
    // system32 lead into the 32-bit system folder. Arranging and inspecting always use the real paths.
    struct Wow64View {
        std::function<bool()> active;
        std::string system32 = "C:\\WINDOWS\\system32";
        std::string sysWow64 = "C:\\WINDOWS\\SysWOW64";
    } wow64;

private:
    std::string viewed(const std::string& path) const;
    const File* viewedFile(const std::string& path) const;
    unsigned long missingPathError(const std::string& full) const;

    std::map<std::string, File> files_;
    std::set<std::string> directories_;
    std::set<std::string> readOnly_;
    std::set<std::string> unenterable_;
    std::map<std::string, unsigned long> createFailures_;
    std::string currentDir_ = "C:\\";
    unsigned long lastError_ = 0;
};

std::string parentOf(const std::string& path);

}  // namespace platform::sim
