#pragma once
// The signature interface state that the main window keeps for its whole life. The error length, the
// error bytes and the version text are what the library's last call left; they are never cleared.
#include <array>
#include <cstdint>
#include <string>

namespace probe {

struct ZkaInterface {
    static constexpr std::size_t kAreaSize = 128;

    std::uint32_t readerHandle = 0;
    std::uint32_t errorLength = 0;
    std::array<std::uint8_t, kAreaSize> errorBytes{};
    std::array<char, kAreaSize> versionText{};
    std::string readerName;
    std::string displayName;
};

}  // namespace probe
