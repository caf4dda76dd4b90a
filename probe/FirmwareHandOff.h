#pragma once
#include "ProbeState.h"

namespace probe {

// Asks the firmware update launcher whether the reader's firmware must be updated.
bool checkFirmwareCompatibility(ProbeEnv& env);
// Tells the user and starts the firmware update launcher; returns at once.
void handOffToFirmwareUpdate(ProbeEnv& env);

}  // namespace probe
