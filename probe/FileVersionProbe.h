#pragma once
// Looks for one file and reads its file version; shared by the installation and system files checks.
#include <string>

#include "ProbeState.h"

namespace probe {

// The text after the last dot of `name` (all of it when there is none), in upper case.
std::string upperExtension(const std::string& name);

// "a.b.c.d." from the file version of the file's version resource.
std::string versionText(const platform::FixedFileVersion& version);

// True when the file at `path` has a readable version resource; `text` then holds its version text.
// A missing file first gets its lines in the protocol (chosen by the extension of `path`), the last
// line is selected so that it scrolls into view, and a blank line follows. On false `text` is untouched.
bool probeFileVersion(ProbeEnv& env, const std::string& path, std::string& text);

}  // namespace probe
