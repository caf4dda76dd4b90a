#pragma once
#include "ProbeState.h"

namespace probe {

// Looks for the reader's driver, the CT-API library and the ZKA library; sets driverInstalled,
// ctApiInstalled, zkaReady and zkaLibraryPath. True when everything needed was found.
bool checkInstallation(ProbeEnv& env);

}  // namespace probe
