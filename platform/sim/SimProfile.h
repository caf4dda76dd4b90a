#pragma once
#include <memory>

#include "../Profile.h"
#include "SimFileSystem.h"

namespace platform::sim {

// Reads profile files of the simulated file system with the platform's semantics.
class SimProfile : public Profile {
public:
    explicit SimProfile(SimFileSystem& files) : files_(files) {}
    std::string getString(const std::string& section, const std::optional<std::string>& key,
                          const std::string& defaultValue, std::uint32_t bufferSize,
                          const std::string& fileName) override;

    std::string windowsDirectory = "C:\\WINDOWS";  // where a bare file name is looked for

    struct Parsed;  // a file's sections and keys as the platform reads them

private:
    // The file read last, parsed once while its content stays the same.
    std::shared_ptr<const Parsed> parsed(const std::string& content);

    SimFileSystem& files_;
    std::string parsedContent_;
    std::shared_ptr<const Parsed> parsed_;
};

}  // namespace platform::sim
