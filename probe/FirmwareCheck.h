#pragma once
#include "ProbeState.h"

namespace probe {

// Shows each matched reader's firmware version and chip revision and refills matchedReaders.
// True when the firmware version of a reader was read.
bool checkFirmware(ProbeEnv& env, int osFamily);

}  // namespace probe
