#pragma once
#include "ProbeState.h"

namespace probe {

// The launcher is "USBDFU\Romloader.exe" beside the program's folder; a program in a drive root has none.

// Asks the firmware update launcher whether the reader's firmware must be updated (its exit code 1).
// Waits for it without time limit; false when it cannot be started.
bool checkFirmwareCompatibility(ProbeEnv& env);
// Tells the user and starts the firmware update launcher through the shell; returns at once.
void handOffToFirmwareUpdate(ProbeEnv& env);

}  // namespace probe
