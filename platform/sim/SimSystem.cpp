#include "SimSystem.h"

#include "SimText.h"

namespace platform::sim {
namespace {

std::string fitOrEmpty(const std::string& text, std::uint32_t bufferSize) {
    return text.size() < bufferSize ? text : std::string();
}

}  // namespace

bool SimSystem::getVersion(OsVersion& out) {
    if (versionQueryFails) return false;
    out = version;
    return true;
}

std::string SimSystem::moduleFileName(std::uint32_t bufferSize) {
    if (bufferSize == 0) return {};
    return moduleFile.substr(0, bufferSize - 1);
}

std::string SimSystem::windowsDirectory(std::uint32_t bufferSize) { return fitOrEmpty(windowsDir, bufferSize); }

std::string SimSystem::systemDirectory(std::uint32_t bufferSize) { return fitOrEmpty(systemDir, bufferSize); }

bool SimSystem::environmentVariable(const std::string& name, std::uint32_t bufferSize, std::string& out) {
    for (const auto& [key, value] : environment) {
        if (foldCase(key) != foldCase(name)) continue;
        if (value.size() >= bufferSize) return false;
        out = value;
        return true;
    }
    return false;
}

}  // namespace platform::sim
