#include "FirmwareHandOff.h"

#include <optional>
#include <string>

namespace probe {
namespace {

namespace texts {
constexpr const char* kCaption = "SetupProbe Tool";
constexpr Text kUpdateNeeded{
    "The firmware version of the reader is not compatible with the installed host software.\n"
    "The program Romflash starts now.",
    "Die Firmwareversion des Lesers ist nicht kompatibel zur installierten Software.\n"
    "Das Programm Romflash wird jetzt gestartet."};
}  // namespace texts

constexpr const char* kLauncherFolderName = "\\USBDFU";
constexpr const char* kLauncherFile = "Romloader.exe";
constexpr const char* kCheckSwitch = " -CHECK";
constexpr const char* kGermanSwitch = "-D";
constexpr std::uint32_t kUpdateNeeded = 1;

// "USBDFU" beside the program's folder; none when that folder has no parent.
std::optional<std::string> launcherFolder(const std::string& moduleDirectory) {
    const auto slash = moduleDirectory.find_last_of('\\');
    if (slash == std::string::npos) return std::nullopt;
    return moduleDirectory.substr(0, slash) + kLauncherFolderName;
}

}  // namespace

bool checkFirmwareCompatibility(ProbeEnv& env) {
    const auto folder = launcherFolder(env.state.moduleDirectory);
    if (!folder) return false;
    // Quoted, so that a folder with blanks cannot make the platform start another program first.
    const std::string commandLine = "\"" + *folder + "\\" + kLauncherFile + "\"" + kCheckSwitch;
    const auto launcher = env.platform.processes.start("", commandLine);
    if (!launcher) return false;
    launcher->wait();
    return launcher->exitCode().value_or(0) == kUpdateNeeded;
}

void handOffToFirmwareUpdate(ProbeEnv& env) {
    const Language language = env.state.language;
    env.platform.dialogs.messageBox(texts::kUpdateNeeded.in(language), texts::kCaption, platform::MessageButtons::Ok,
                                    platform::MessageIcon::Information);
    const auto folder = launcherFolder(env.state.moduleDirectory);
    if (!folder) return;
    env.platform.shell.open(kLauncherFile, language == Language::German ? kGermanSwitch : "", *folder,
                            platform::kShowNormal);
}

}  // namespace probe
