#pragma once
// Appends one protocol as a block to "SetupProbe.log".
#include <string>

#include "ProbeState.h"

namespace probe {

struct ProtocolFileResult {
    enum Outcome { Stored, GivenUp, WriteFailed } outcome = GivenUp;
    std::string path;  // the full path written, when stored
};

// Finds and opens the log file (current directory, then the fallback folder at the root of the
// Windows drive, then where the user points), appends the block and closes the file.
// A write failure is reported to the user here; the caller then ends its run.
ProtocolFileResult writeProtocolFile(platform::Platform& platform, const ProtocolList& protocol, Language language);

// The block as written (before text mode turns "\n" into "\r\n").
std::string protocolBlock(platform::Clock& clock, const ProtocolList& protocol, Language language);

}  // namespace probe
