#pragma once
// Windows profile (INI) reading, shaped after GetPrivateProfileStringA.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class Profile {
public:
    virtual ~Profile() = default;
    // Returns exactly the bytes GetPrivateProfileStringA leaves in a buffer of bufferSize bytes,
    // up to (not including) the count it returns:
    //  - key == nullopt: the section's key names, each followed by a NUL (the final double NUL's
    //    second byte is not counted); a list that does not fit whole is cut to bufferSize - 2 bytes,
    //    so its last name may be cut and lack its NUL; the default when the section has no names;
    //  - otherwise the key's value, or the default when missing, cut to bufferSize - 1.
    virtual std::string getString(const std::string& section, const std::optional<std::string>& key,
                                  const std::string& defaultValue, std::uint32_t bufferSize,
                                  const std::string& fileName) = 0;
};

}  // namespace platform
