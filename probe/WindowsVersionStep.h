#pragma once
#include "ProbeState.h"

namespace probe {

// OS family from the platform version: 0 for the Windows 9x family, 1 for NT 4.0 or older,
// 2 for Windows 2000 or later.
int queryOsFamily(platform::SystemInfo& system);

// Adds the Windows product and version lines (or the error line) and sets osFamily and isWindows95.
void reportWindowsVersion(ProbeEnv& env);

}  // namespace probe
