#include "Win32Libraries.h"

#include <windows.h>

#include <vector>

#include "CallThunk.h"
#include "ScopedLibrary.h"

namespace platform::win32 {
namespace {

std::int8_t lowByte(std::uint32_t eax) { return static_cast<std::int8_t>(eax & 0xFF); }

class Win32CtApiLibrary : public CtApiLibrary {
public:
    explicit Win32CtApiLibrary(ScopedLibrary module)
        : module_(std::move(module)),
          init_(module_.entry("CT_init")),
          data_(module_.entry("CT_data")),
          close_(module_.entry("CT_close")),
          version_(module_.entry("Get_VersionString")) {}

    bool complete() const { return init_ && data_ && close_; }

    bool hasVersionString() const override { return version_ != nullptr; }
    std::int8_t init(std::uint16_t ctn, std::uint16_t port) override {
        return lowByte(callAnyConvention(init_, {ctn, port}));
    }
    std::int8_t data(std::uint16_t ctn, std::uint8_t& destination, std::uint8_t& source, std::uint16_t commandLength,
                     const std::uint8_t* command, std::uint16_t& responseLength, std::uint8_t* response) override {
        return lowByte(callAnyConvention(data_, {ctn, asArgument(&destination), asArgument(&source), commandLength,
                                                 asArgument(command), asArgument(&responseLength),
                                                 asArgument(response)}));
    }
    std::int8_t close(std::uint16_t ctn) override { return lowByte(callAnyConvention(close_, {ctn})); }
    void versionString(char* text, std::uint32_t number) override {
        callAnyConvention(version_, {asArgument(text), number});
    }

private:
    ScopedLibrary module_;
    const void* init_;
    const void* data_;
    const void* close_;
    const void* version_;
};

class Win32ZkaLibrary : public ZkaLibrary {
public:
    explicit Win32ZkaLibrary(ScopedLibrary module)
        : module_(std::move(module)),
          open_(module_.entry("zka_sig_open")),
          card_(module_.entry("zka_sig_card_available")),
          close_(module_.entry("zka_sig_close")) {}

    bool complete() const { return open_ && card_ && close_; }

    std::int32_t open(std::uint32_t& readerHandle, char* readerName, char* versionText, char* reserved1,
                      char* reserved2, std::uint32_t& errorLength, std::uint8_t* errorBytes) override {
        return static_cast<std::int32_t>(callAnyConvention(
            open_, {asArgument(&readerHandle), asArgument(readerName), asArgument(versionText), asArgument(reserved1),
                    asArgument(reserved2), asArgument(&errorLength), asArgument(errorBytes)}));
    }
    std::int32_t cardAvailable(std::uint32_t readerHandle, std::uint32_t& errorLength,
                               std::uint8_t* errorBytes) override {
        return static_cast<std::int32_t>(
            callAnyConvention(card_, {readerHandle, asArgument(&errorLength), asArgument(errorBytes)}));
    }
    std::int32_t close(std::uint32_t readerHandle, std::uint32_t& errorLength, std::uint8_t* errorBytes) override {
        return static_cast<std::int32_t>(
            callAnyConvention(close_, {readerHandle, asArgument(&errorLength), asArgument(errorBytes)}));
    }

private:
    ScopedLibrary module_;
    const void* open_;
    const void* card_;
    const void* close_;
};

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Systems without SetDllDirectoryA: the search path of LoadLibraryA without the current directory
// (program folder, system folder, Windows folder, PATH), resolved here and loaded by full path.
HMODULE loadFromSearchPath(const std::string& name) {
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string folders = folderOf(buffer);
    if (GetSystemDirectoryA(buffer, MAX_PATH)) folders += std::string(";") + buffer;
    if (GetWindowsDirectoryA(buffer, MAX_PATH)) folders += std::string(";") + buffer;
    const DWORD pathLength = GetEnvironmentVariableA("PATH", nullptr, 0);
    if (pathLength > 0) {
        std::vector<char> path(pathLength + 1, '\0');
        GetEnvironmentVariableA("PATH", path.data(), pathLength);
        folders += std::string(";") + path.data();
    }
    char found[MAX_PATH] = {};
    char* filePart = nullptr;
    const DWORD n = SearchPathA(folders.c_str(), name.c_str(), ".dll", MAX_PATH, found, &filePart);
    return n == 0 || n >= MAX_PATH ? nullptr : LoadLibraryA(found);
}

// LoadLibraryA searches the current directory too, where anybody may have left a library of that name.
// While the library loads, the system folder takes the current directory's place in the search
// (SetDllDirectoryA, looked up at run time because older systems lack it).
HMODULE loadWithoutCurrentDirectory(const std::string& name) {
    using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCSTR);
    const auto setDllDirectory = reinterpret_cast<SetDllDirectoryFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "SetDllDirectoryA")));
    if (!setDllDirectory) {
        return name.find('\\') == std::string::npos ? loadFromSearchPath(name) : LoadLibraryA(name.c_str());
    }
    char system[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(system, MAX_PATH);
    setDllDirectory(n > 0 && n < MAX_PATH ? system : "");
    HMODULE module = LoadLibraryA(name.c_str());
    const DWORD error = GetLastError();
    setDllDirectory(nullptr);
    SetLastError(error);
    return module;
}

}  // namespace

std::unique_ptr<CtApiLibrary> Win32Libraries::loadCtApi(const std::string& name) {
    ScopedLibrary module(loadWithoutCurrentDirectory(name));
    if (!module.valid()) return nullptr;
    auto library = std::make_unique<Win32CtApiLibrary>(std::move(module));
    if (!library->complete()) return nullptr;
    return library;
}

std::unique_ptr<ZkaLibrary> Win32Libraries::loadZka(const std::string& path) {
    ScopedLibrary module(LoadLibraryA(path.c_str()));
    if (!module.valid()) return nullptr;
    auto library = std::make_unique<Win32ZkaLibrary>(std::move(module));
    if (!library->complete()) return nullptr;
    return library;
}

}  // namespace platform::win32
