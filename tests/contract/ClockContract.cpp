#include <gtest/gtest.h>

#include "ContractWorld.h"

namespace contract {

// Pictures the log file uses, on the system default locale (an English one where the tests run).
TEST(ClockContract, FormatsDateAndTimePictures) {
    auto world = makeContractWorld();
    auto& clock = world->platform().clock;
    const platform::LocalTime t{2006, 10, 3, 4, 14, 5, 33, 0};
    const std::uint32_t locale = platform::kLocaleSystemDefault;
    EXPECT_EQ("October 04 2006", clock.formatDate(locale, 0, t, "MMMM dd yyyy", 200));
    EXPECT_EQ("4 October 2006", clock.formatDate(locale, 0, t, "d MMMM yyyy", 200));
    EXPECT_EQ("14:05 PM", clock.formatTime(locale, platform::kTimeNoSeconds, t, "HH:mm tt", 200));
    EXPECT_EQ("14:05", clock.formatTime(locale,
                                        platform::kTimeNoSeconds | platform::kTimeNoTimeMarker |
                                            platform::kTimeForce24HourFormat,
                                        t, "HH:mm", 200));
    const platform::LocalTime morning{2006, 1, 1, 9, 8, 7, 6, 0};
    EXPECT_EQ("January 09 2006", clock.formatDate(locale, 0, morning, "MMMM dd yyyy", 200));
    EXPECT_EQ("08:07 AM", clock.formatTime(locale, platform::kTimeNoSeconds, morning, "HH:mm tt", 200));
    EXPECT_EQ("", clock.formatDate(locale, 0, t, "MMMM dd yyyy", 10));  // does not fit
}

TEST(ClockContract, SleepingAdvancesTheTickCount) {
    auto world = makeContractWorld();
    auto& clock = world->platform().clock;
    const std::uint32_t before = clock.tickCount();
    clock.sleep(50);
    const std::uint32_t elapsed = clock.tickCount() - before;
    EXPECT_GE(elapsed, 40u);
    EXPECT_LT(elapsed, 1000u);
}

}  // namespace contract
