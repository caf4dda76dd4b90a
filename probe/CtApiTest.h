#pragma once
#include "ProbeState.h"

namespace probe {

// Opens and resets every matched reader through the CT-API library. True when all passed.
bool testCtApi(ProbeEnv& env);

}  // namespace probe
