#pragma once
#include "../Processes.h"

namespace platform::win32 {

class Win32Processes : public Processes {
public:
    std::unique_ptr<Process> start(const std::string& applicationName, const std::string& commandLine) override;
};

}  // namespace platform::win32
