#include <windows.h>

#include <fstream>
#include <sstream>

#include "ContractWorld.h"
#include "platform/win32/Win32Platform.h"

namespace contract {
namespace {

class Win32World : public ContractWorld {
public:
    ~Win32World() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRegistryBase.c_str()); }

    platform::Platform platform() override { return adapters_.platform(); }
    std::string scratchFolder() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        std::string folder = std::string(temp) + "tk560-contract-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++folders_);
        CreateDirectoryA(folder.c_str(), nullptr);
        return folder;
    }
    void writeFile(const std::string& path, const std::string& bytes) override {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string readFile(const std::string& path) override {
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }
    void setRegistryValue(const std::string& subPath, const std::string& name, std::uint32_t type,
                          const std::string& bytes) override {
        HKEY key;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kRegistryBase + "\\" + subPath).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
    void addRegistryKey(const std::string& subPath) override {
        HKEY key;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kRegistryBase + "\\" + subPath).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) == ERROR_SUCCESS)
            RegCloseKey(key);
    }
    void setEnvironment(const std::string& name, const std::string& value) override {
        SetEnvironmentVariableA(name.c_str(), value.c_str());
    }
    // The built stand-ins: vA-B-C-D.dll and no-version.dll in the folder named by TK_VERSIONED_FILES
    // (a Unix path is taken through Wine's drive Z:).
    bool placeVersionedFile(const std::string& path, const std::string& version) override {
        char folder[MAX_PATH] = {};
        const DWORD n = GetEnvironmentVariableA("TK_VERSIONED_FILES", folder, MAX_PATH);
        if (n == 0 || n >= MAX_PATH) return false;
        std::string source = folder;
        if (!source.empty() && source[0] == '/') source = "Z:" + source;
        for (char& c : source)
            if (c == '/') c = '\\';
        std::string name = version.empty() ? "no-version" : "v" + version;
        for (char& c : name)
            if (c == '.') c = '-';
        source += "\\" + name + ".dll";
        return CopyFileA(source.c_str(), path.c_str(), FALSE) != 0;
    }
    bool isReal() const override { return true; }

private:
    platform::win32::Win32Platform adapters_;
    int folders_ = 0;
};

}  // namespace

std::unique_ptr<ContractWorld> makeContractWorld() { return std::make_unique<Win32World>(); }

}  // namespace contract
