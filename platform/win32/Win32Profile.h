#pragma once
#include "../Profile.h"

namespace platform::win32 {

class Win32Profile : public Profile {
public:
    std::string getString(const std::string& section, const std::optional<std::string>& key,
                          const std::string& defaultValue, std::uint32_t bufferSize,
                          const std::string& fileName) override;
};

}  // namespace platform::win32
