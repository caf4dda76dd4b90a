#pragma once
#include "ProbeState.h"

namespace probe {

// Reports the system files the description lists. True when all were found.
bool checkSystemFiles(ProbeEnv& env);

}  // namespace probe
