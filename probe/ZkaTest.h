#pragma once
#include "ProbeState.h"

namespace probe {

// Opens every matched reader through the ZKA signature library at libraryPath, keeping the
// library's answers in state.zka. True when at least one reader passed.
bool testZkaInterface(ProbeEnv& env, const std::string& libraryPath);

}  // namespace probe
