#include <windows.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "ContractWorld.h"
#include "platform/win32/Win32Platform.h"

namespace contract {
namespace {

// The folder a Unix path in the environment variable names, taken through Wine's drive Z:; empty when unset.
std::string folderFromEnvironment(const char* variable) {
    char folder[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(variable, folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    std::string path = folder;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

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
        std::string source = folderFromEnvironment("TK_VERSIONED_FILES");
        if (source.empty()) return false;
        std::string name = version.empty() ? "no-version" : "v" + version;
        for (char& c : name)
            if (c == '.') c = '-';
        source += "\\" + name + ".dll";
        return CopyFileA(source.c_str(), path.c_str(), FALSE) != 0;
    }
    // The stand-ins built into the folder named by TK_STANDINS, each told its script through its
    // environment variable; the scripts and the logs live in a folder of this world.
    void placeCtApiLibrary(const std::string& path, const std::string& script, Convention convention,
                           bool withVersionString) override {
        const char* variant = !withVersionString                 ? "noversion\\ctk560.dll"
                              : convention == Convention::Cdecl ? "cdecl\\ctk560.dll"
                                                                : "ctk560.dll";
        CopyFileA((folderFromEnvironment("TK_STANDINS") + "\\" + variant).c_str(), path.c_str(), FALSE);
        useScript("TK_CTAPI_SCRIPT", "ctapi.script", script + "\nlog " + stateFile("calls.log") + "\n");
    }
    void placeZkaLibrary(const std::string& path, const std::string& script, Convention convention) override {
        const char* variant = convention == Convention::Cdecl ? "cdecl\\ZkaSigApi.dll" : "ZkaSigApi.dll";
        CopyFileA((folderFromEnvironment("TK_STANDINS") + "\\" + variant).c_str(), path.c_str(), FALSE);
        useScript("TK_ZKA_SCRIPT", "zka.script", script + "\nlog " + stateFile("calls.log") + "\n");
    }
    std::vector<std::string> libraryCalls() override { return linesOf(readFile(stateFile("calls.log"))); }
    void placeProgram(const std::string& path, std::uint32_t exitCode) override {
        CopyFileA((folderFromEnvironment("TK_STANDINS") + "\\Romloader.exe").c_str(), path.c_str(), FALSE);
        programScript_ += "exit " + std::to_string(exitCode) + " " + path + "\n";
        useScript("TK_ROMLOADER_SCRIPT", "romloader.script", programScript_ + "log " + stateFile("starts.log") + "\n");
    }
    std::vector<std::string> programStarts(std::size_t count) override {
        std::vector<std::string> starts;
        for (int waited = 0; waited <= 10000; waited += 50) {
            starts = linesOf(readFile(stateFile("starts.log")));
            if (starts.size() >= count) break;
            Sleep(50);
        }
        for (std::string& start : starts) start.erase(0, start.rfind("start ", 0) == 0 ? 6 : 0);
        return starts;
    }
    bool isReal() const override { return true; }

private:
    std::string stateFile(const std::string& name) {
        if (stateFolder_.empty()) stateFolder_ = scratchFolder();
        return stateFolder_ + "\\" + name;
    }
    void useScript(const char* variable, const std::string& name, const std::string& text) {
        writeFile(stateFile(name), text);
        SetEnvironmentVariableA(variable, stateFile(name).c_str());
    }

    std::string stateFolder_;
    std::string programScript_;
    platform::win32::Win32Platform adapters_;
    int folders_ = 0;
};

}  // namespace

std::unique_ptr<ContractWorld> makeContractWorld() { return std::make_unique<Win32World>(); }

}  // namespace contract
