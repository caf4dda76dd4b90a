#pragma once
// Time that passes: Sleep, GetTickCount, GetLocalTime with GetDateFormatA / GetTimeFormatA.
#include <cstdint>
#include <string>

namespace platform {

struct LocalTime {
    std::uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0;
    std::uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
};

constexpr std::uint32_t kLocaleSystemDefault = 0x0800;
constexpr std::uint32_t kTimeNoSeconds = 0x00000002;
constexpr std::uint32_t kTimeNoTimeMarker = 0x00000004;
constexpr std::uint32_t kTimeForce24HourFormat = 0x00000008;

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleep(std::uint32_t milliseconds) = 0;
    virtual std::uint32_t tickCount() = 0;
    virtual LocalTime localTime() = 0;
    // Empty when formatting fails or the result does not fit into bufferSize characters.
    virtual std::string formatDate(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                                   const std::string& picture, std::uint32_t bufferSize) = 0;
    virtual std::string formatTime(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                                   const std::string& picture, std::uint32_t bufferSize) = 0;
};

}  // namespace platform
