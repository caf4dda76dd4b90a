#include "Win32FileSystem.h"

#include <windows.h>

#include <vector>

#include "ScopedHandle.h"

namespace platform::win32 {
namespace {

class Win32TextFile : public TextFile {
public:
    explicit Win32TextFile(ScopedHandle file) : file_(std::move(file)) {}

    bool write(const std::string& text) override {
        const std::string stored = toTextMode(text);
        DWORD written = 0;
        return WriteFile(file_.get(), stored.data(), static_cast<DWORD>(stored.size()), &written, nullptr) &&
               written == stored.size();
    }

private:
    ScopedHandle file_;
};

}  // namespace

std::string Win32FileSystem::currentDirectory(std::uint32_t bufferSize) {
    std::vector<char> buffer(bufferSize + 1, '\0');
    const DWORD n = GetCurrentDirectoryA(bufferSize, buffer.data());
    return (n == 0 || n >= bufferSize) ? std::string() : std::string(buffer.data(), n);
}

bool Win32FileSystem::setCurrentDirectory(const std::string& path) {
    const bool ok = SetCurrentDirectoryA(path.c_str());
    lastError_ = ok ? 0 : GetLastError();
    return ok;
}

bool Win32FileSystem::createDirectory(const std::string& path) {
    const bool ok = CreateDirectoryA(path.c_str(), nullptr);
    lastError_ = ok ? 0 : GetLastError();
    return ok;
}

bool Win32FileSystem::fileExists(const std::string& path) {
    OFSTRUCT info{};
    return OpenFile(path.c_str(), &info, OF_EXIST) != HFILE_ERROR;
}

std::unique_ptr<TextFile> Win32FileSystem::openText(const std::string& path, TextFileMode mode) {
    const DWORD access = mode == TextFileMode::ReadWriteAtEnd ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE;
    const DWORD disposition = mode == TextFileMode::ReadWriteAtEnd ? OPEN_EXISTING : OPEN_ALWAYS;
    ScopedHandle file(CreateFileA(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        lastError_ = GetLastError();
        return nullptr;
    }
    if (SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) {
        lastError_ = GetLastError();
        return nullptr;
    }
    return std::make_unique<Win32TextFile>(std::move(file));
}

std::vector<std::string> Win32FileSystem::findFiles(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

std::optional<FixedFileVersion> Win32FileSystem::fixedFileVersion(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return std::nullopt;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return FixedFileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
}

}  // namespace platform::win32
