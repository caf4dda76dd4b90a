#pragma once
// Chooses the reader installation description files at start-up.
#include <string>

#include "platform/Platform.h"

namespace probe {

struct DescriptionChoiceResult {
    bool proceed = false;
    bool zkaTestWanted = false;
    std::string primaryPath;
    std::string secondaryPath;
};

DescriptionChoiceResult chooseDescription(platform::Platform& platform, const std::string& moduleDirectory);

}  // namespace probe
