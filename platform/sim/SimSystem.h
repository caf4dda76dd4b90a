#pragma once
#include <map>
#include <vector>

#include "../SystemInfo.h"

namespace platform::sim {

class SimSystem : public SystemInfo {
public:
    bool getVersion(OsVersion& out) override;
    std::string moduleFileName(std::uint32_t bufferSize) override;
    std::string windowsDirectory(std::uint32_t bufferSize) override;
    std::string systemDirectory(std::uint32_t bufferSize) override;
    bool environmentVariable(const std::string& name, std::uint32_t bufferSize, std::string& out) override;
    std::uint16_t userDefaultLangId() override { return langId; }
    bool isWow64Process() override { return wow64; }
    void enableWow64FsRedirection(bool enable) override {
        fsRedirection = enable;
        redirectionCalls.push_back(enable);
    }

    OsVersion version{5, 1, 2600, 2, "Service Pack 3"};
    bool versionQueryFails = false;
    std::string moduleFile = "C:\\Program Files\\TK560\\TK560Probe.exe";
    std::string windowsDir = "C:\\WINDOWS";
    std::string systemDir = "C:\\WINDOWS\\system32";
    std::map<std::string, std::string> environment;  // names compared without regard to case
    std::uint16_t langId = 0x0409;
    bool wow64 = false;                  // a 32-bit program on 64-bit Windows
    bool fsRedirection = true;           // system32 shows the 32-bit system folder (SimFileSystem::wow64)
    std::vector<bool> redirectionCalls;  // every switch, in order
};

}  // namespace platform::sim
