#pragma once
#include "ProbeState.h"

namespace probe {

// Appends one description file's content to the description; never fails.
void loadDescription(ReaderDescription& description, platform::Profile& profile, const std::string& path);

}  // namespace probe
