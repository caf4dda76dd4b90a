#pragma once
#include <map>

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

    OsVersion version{5, 1, 2600, 2, "Service Pack 3"};
    bool versionQueryFails = false;
    std::string moduleFile = "C:\\Program Files\\TK560\\TK560Probe.exe";
    std::string windowsDir = "C:\\WINDOWS";
    std::string systemDir = "C:\\WINDOWS\\system32";
    std::map<std::string, std::string> environment;  // names compared without regard to case
    std::uint16_t langId = 0x0409;
};

}  // namespace platform::sim
