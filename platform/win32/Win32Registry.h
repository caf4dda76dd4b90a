#pragma once
#include "../Registry.h"

namespace platform::win32 {

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path) override;
};

}  // namespace platform::win32
