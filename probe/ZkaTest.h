#pragma once
#include "ProbeState.h"

namespace probe {

// Opens every matched reader through the ZKA signature library. True when all passed.
bool testZkaInterface(ProbeEnv& env, const std::string& libraryPath);

}  // namespace probe
