#pragma once
// Start-up decisions of the installation check tool, before any window exists.
#include <string>

#include "Language.h"
#include "platform/Platform.h"

namespace probe {

// The program file's full path (260-character buffer) cut before its last backslash.
std::string programDirectory(platform::SystemInfo& system);

// German when the arguments hold "-D" in any case, anywhere, also inside a longer word.
Language languageFromArguments(const std::string& arguments);

}  // namespace probe
