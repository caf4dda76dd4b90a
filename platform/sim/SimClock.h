#pragma once
#include "../Clock.h"

namespace platform::sim {

// A clock that never waits: sleeping advances the tick count.
class SimClock : public Clock {
public:
    void sleep(std::uint32_t milliseconds) override {
        ticks += milliseconds;
        slept += milliseconds;
    }
    std::uint32_t tickCount() override { return ticks; }
    LocalTime localTime() override { return now; }
    std::string formatDate(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                           const std::string& picture, std::uint32_t bufferSize) override;
    std::string formatTime(std::uint32_t locale, std::uint32_t flags, const LocalTime& time,
                           const std::string& picture, std::uint32_t bufferSize) override;

    std::uint32_t ticks = 1000;
    std::uint64_t slept = 0;
    LocalTime now{2006, 10, 3, 4, 14, 5, 33, 0};
    bool germanLocale = false;  // month names of the system default locale
};

}  // namespace platform::sim
