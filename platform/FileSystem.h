#pragma once
// Files and folders: current directory, existence probe, folder creation, file search,
// text files, fixed file version information.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

constexpr unsigned long kErrorPathNotFound = 3;

// An open text file. Text mode: every "\n" written is stored as "\r\n".
class TextFile {
public:
    virtual ~TextFile() = default;
    // False when the bytes could not all be written (disk full, device error).
    virtual bool write(const std::string& text) = 0;
};

enum class TextFileMode {
    CreateOrAppend,  // created when missing, kept when present; writing starts at its end
    ReadWriteAtEnd,  // must exist; opened for reading and writing, positioned at its end
};

struct FixedFileVersion {
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // GetCurrentDirectoryA into a buffer of bufferSize characters; empty when it does not fit.
    virtual std::string currentDirectory(std::uint32_t bufferSize) = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;
    // CreateDirectoryA; on failure lastError() tells why.
    virtual bool createDirectory(const std::string& path) = 0;
    virtual unsigned long lastError() = 0;
    // OpenFile with OF_EXIST: true when the file can be found and opened.
    virtual bool fileExists(const std::string& path) = 0;
    // Opened exclusively (not shared with other processes while open); null when it cannot be opened.
    virtual std::unique_ptr<TextFile> openText(const std::string& path, TextFileMode mode) = 0;
    // FindFirstFileA/FindNextFileA: names (without folder) of the files matching a wildcard pattern,
    // in the order the platform returns them.
    virtual std::vector<std::string> findFiles(const std::string& pattern) = 0;
    // The root block of the file's version resource; nullopt when it has none or the file is missing.
    virtual std::optional<FixedFileVersion> fixedFileVersion(const std::string& path) = 0;
};

// "\n" -> "\r\n", as a text-mode stream stores it.
std::string toTextMode(const std::string& text);

}  // namespace platform
