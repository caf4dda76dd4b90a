#include "DescriptionChoice.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "InstallationTexts.h"

namespace probe {
namespace {

const char* const kInstalledReadersKey = "SOFTWARE\\SmartCardReader Installation\\InstallationTest";
constexpr std::uint32_t kRegistryBuffer = 260;
constexpr std::size_t kMaxEntries = 20;
constexpr std::uint32_t kModuleBuffer = 260;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The first "Inst*.ini" beside the program whose name really ends in ".ini" (the wildcard alone
// also finds "Inst1.inix").
std::string descriptionBesideProgram(platform::FileSystem& files, const std::string& moduleDirectory) {
    for (const std::string& name : files.findFiles(moduleDirectory + "\\Inst*.ini")) {
        if (name.size() >= 4 && lowerCase(name.substr(name.size() - 4)) == ".ini") return name;
    }
    return {};
}

// Whether the registry asks for the ZKA test: any type, only the first byte of the data counts.
bool zkaTestWanted(platform::RegKey& key) {
    platform::RegValue value;
    if (key.queryValue("TestZKA", kRegistryBuffer, value) != platform::kErrorSuccess) return false;
    return !value.data.empty() && value.data[0] != '0' && value.data[0] != '\0';
}

// The data texts of the key's values in enumeration order, up to the first value that cannot be read,
// at most kMaxEntries of them; further values are not looked at.
std::vector<std::string> installedReaderEntries(platform::RegKey& key) {
    std::vector<std::string> entries;
    for (std::uint32_t index = 0; entries.size() < kMaxEntries; ++index) {
        std::string name;
        platform::RegValue value;
        if (key.enumValue(index, kRegistryBuffer, kRegistryBuffer, name, value) != platform::kErrorSuccess) break;
        std::string text = value.data;
        text.resize(std::min(text.find('\0'), text.size()));
        entries.push_back(text);
    }
    return entries;
}

// The program file's name without folder and extension.
std::string applicationName(platform::SystemInfo& system) {
    std::string name = system.moduleFileName(kModuleBuffer);
    if (const auto slash = name.find_last_of('\\'); slash != std::string::npos) name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace

DescriptionChoiceResult chooseDescription(platform::Platform& platform, const std::string& moduleDirectory) {
    DescriptionChoiceResult result;
    if (const std::string beside = descriptionBesideProgram(platform.files, moduleDirectory); !beside.empty()) {
        result.proceed = true;
        result.primaryPath = moduleDirectory + "\\" + beside;
        return result;
    }

    std::vector<std::string> entries;
    if (auto key = platform.registry.openKey(platform::RegRoot::LocalMachine, kInstalledReadersKey)) {
        result.zkaTestWanted = zkaTestWanted(*key);
        entries = installedReaderEntries(*key);
    }
    // Later entries win; the paths keep their lower-case form.
    for (const std::string& entry : entries) {
        const std::string lower = lowerCase(entry);
        if (lower.find("inst360.ini") != std::string::npos) result.primaryPath = lower;
        if (lower.find("inst160.ini") != std::string::npos) result.secondaryPath = lower;
    }
    if (result.primaryPath.empty() && result.secondaryPath.empty()) {
        platform.dialogs.messageBox(texts::kNoDescription, applicationName(platform.system),
                                    platform::MessageButtons::Ok, platform::MessageIcon::Error);
        return result;
    }
    if (result.primaryPath.empty()) std::swap(result.primaryPath, result.secondaryPath);
    result.proceed = true;
    return result;
}

}  // namespace probe
