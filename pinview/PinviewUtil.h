#pragma once
// Small rules shared by the prompt: bounded defaults and waits measured on the millisecond tick
// count, which wraps around after about 49.7 days.
#include <cstdint>

namespace pinview {

// A value that is 0 or above its maximum is replaced by the default; compared unsigned.
constexpr std::uint32_t BoundedDefault(std::uint32_t value, std::uint32_t defaultValue, std::uint32_t maximum) {
    return (value == 0 || value > maximum) ? defaultValue : value;
}

// A wait of a fixed length that started at a given tick count. Works on the time elapsed since the
// start, so a tick count that wraps past zero during the wait changes nothing.
class TDeadline {
public:
    TDeadline(std::uint32_t startTick, std::uint32_t milliseconds) : Start(startTick), Length(milliseconds) {}

    // True once the tick count is past the deadline.
    bool Passed(std::uint32_t nowTick) const { return Elapsed(nowTick) > Length; }

    // How long a blocking wait may last before the deadline is passed: 0 once it is.
    std::uint32_t Remaining(std::uint32_t nowTick) const {
        const std::uint32_t elapsed = Elapsed(nowTick);
        // One more than the difference, so that a wait that ends on time lands past the deadline.
        return elapsed > Length ? 0 : Length - elapsed + 1;
    }

private:
    std::uint32_t Elapsed(std::uint32_t nowTick) const { return nowTick - Start; }

    std::uint32_t Start;
    std::uint32_t Length;
};

}  // namespace pinview
