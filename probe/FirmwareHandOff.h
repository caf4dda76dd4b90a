#pragma once
#include <optional>
#include <string>

#include "ProbeState.h"

namespace probe {

// The folder of the firmware update launcher: "USBDFU" beside the program's folder. None when the
// program's folder has no parent (the program lies in a drive root).
std::optional<std::string> launcherFolder(const std::string& moduleDirectory);

// Asks the firmware update launcher whether the reader's firmware must be updated (its exit code 1).
// Waits for it without time limit; false when it cannot be started.
bool checkFirmwareCompatibility(ProbeEnv& env);
// Tells the user and starts the firmware update launcher through the shell; returns at once.
void handOffToFirmwareUpdate(ProbeEnv& env);

}  // namespace probe
