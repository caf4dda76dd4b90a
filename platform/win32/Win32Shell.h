#pragma once
#include "../Shell.h"

namespace platform::win32 {

class Win32Shell : public Shell {
public:
    std::intptr_t open(const std::string& file, const std::string& parameters, const std::string& directory,
                       int showCommand) override;
};

}  // namespace platform::win32
