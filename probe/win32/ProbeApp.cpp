// Start-up of the installation check tool: language, description files, the firmware gate,
// then the main window, interactive or for the automatic hand-off.
#include <windows.h>

#include "DescriptionChoice.h"
#include "FirmwareHandOff.h"
#include "ProbeDialog.h"
#include "ProbeStartup.h"
#include "WindowsVersionStep.h"

namespace {

constexpr DWORD kHandOffDelayMs = 500;

int runProbe(HINSTANCE instance, const char* arguments) {
    platform::win32::Win32Platform machine;
    platform::Platform ports = machine.platform();
    const std::string moduleDirectory = probe::programDirectory(machine.system);

    probe::win32::ProbeDialog dialog(instance, machine);
    probe::ProbeState& state = dialog.session().state;
    state.moduleDirectory = moduleDirectory;
    state.language = probe::languageFromArguments(arguments ? arguments : "");

    const probe::DescriptionChoiceResult choice = probe::chooseDescription(ports, moduleDirectory);
    if (!choice.proceed) return 0;
    state.run.zkaTestWanted = choice.zkaTestWanted;
    state.primaryDescriptionPath = choice.primaryPath;
    state.secondaryDescriptionPath = choice.secondaryPath;

    state.interactiveMode = false;
    state.run.osFamily = probe::queryOsFamily(machine.system);
    probe::ProbeEnv env = dialog.session().env();
    const bool handOff = state.run.osFamily != 1 && probe::checkFirmwareCompatibility(env);

    if (!handOff) {
        state.interactiveMode = true;
        dialog.runModal(nullptr);
        return 0;
    }
    if (!dialog.createModeless(nullptr)) return 0;
    Sleep(kHandOffDelayMs);
    probe::handOffToFirmwareUpdate(env);
    dialog.end(IDOK);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    try {
        return runProbe(instance, arguments);
    } catch (...) {
        return 1;
    }
}
