#pragma once
// The two vendor requests a TK560 driver answers through SCardControl, and their replies.
#include <array>
#include <cstdint>
#include <string>

#include "platform/SmartCard.h"

namespace cardreader {

// A control code of the vendor range: device type 0x31 in the high word, the function shifted by two.
constexpr std::uint32_t smartCardControlCode(std::uint32_t function) { return (0x31u << 16) | (function << 2); }

constexpr std::uint32_t kVersionRequestCode = 0x00312004;
constexpr std::uint32_t kChipRevisionRequestCode = 0x003136B0;
static_assert(smartCardControlCode(2049) == kVersionRequestCode);
static_assert(smartCardControlCode(3500) == kChipRevisionRequestCode);

// The 12-byte reply to the VersionRequest: bytes 4 and 5 the driver version, 6 and 7 the firmware.
struct VersionReply {
    std::array<std::uint8_t, 12> bytes{};
    std::uint32_t returned = 0;  // what the driver says it wrote; the bytes never go past the array

    unsigned driverMajor() const { return bytes[4]; }
    unsigned driverMinor() const { return bytes[5]; }
    unsigned firmwareMajor() const { return bytes[6]; }
    unsigned firmwareMinor() const { return bytes[7]; }
    // Firmware 0.0 stands for no firmware version.
    bool hasFirmwareVersion() const { return bytes[6] != 0 || bytes[7] != 0; }
};

// The 5-byte reply to the ChipRevisionRequest; byte 0 equal to 1 means revision C.
struct ChipRevisionReply {
    std::array<std::uint8_t, 5> bytes{};
    std::uint32_t returned = 0;
    bool revisionC() const { return bytes[0] == 1; }
};

// Whether the reply buffer is cleared before the request. When it is not, bytes the driver does
// not write keep what the buffer held before (for example from an earlier reader's reply).
enum class ReplyBuffer { ZeroFirst, AsItIs };

platform::ScardResult sendVersionRequest(platform::SmartCard& service, platform::ScardHandle card,
                                         VersionReply& reply, ReplyBuffer buffer);
// Input 0x13 0x00. The reply buffer is cleared first.
platform::ScardResult sendChipRevisionRequest(platform::SmartCard& service, platform::ScardHandle card,
                                              ChipRevisionReply& reply);

std::string driverVersionText(const VersionReply& reply);    // "V2.03": decimal, minor with two digits
std::string firmwareVersionText(const VersionReply& reply);  // "V5.10": hexadecimal, minor with two digits
// "VTC9 Chip Rev C" or "VTC9 Chip Rev A", the same in every language.
const char* chipRevisionText(const ChipRevisionReply& reply);

}  // namespace cardreader
