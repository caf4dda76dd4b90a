#pragma once
#include "ProbeState.h"

namespace probe {

// Asks the smart-card service for the description's readers and their driver version; sets
// readerFound, readerIndex and secondaryReaderFound.
void checkReaderAndDriver(ProbeEnv& env, int osFamily);

}  // namespace probe
