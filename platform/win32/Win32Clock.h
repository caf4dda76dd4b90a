#pragma once
#include "../Clock.h"

namespace platform::win32 {

class Win32Clock : public Clock {
public:
    void sleep(std::uint32_t milliseconds) override;
    std::uint32_t tickCount() override;
    LocalTime localTime() override;
    std::string formatDate(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                           const std::string& picture, std::uint32_t bufferSize) override;
    std::string formatTime(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                           const std::string& picture, std::uint32_t bufferSize) override;
};

}  // namespace platform::win32
