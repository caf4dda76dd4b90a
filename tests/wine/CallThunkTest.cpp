// The call frame for outside entry points: arguments arrive in order and the caller's stack is the same
// after the call, whether the entry point removes its arguments (stdcall) or leaves them (cdecl).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32/CallThunk.h"

namespace {

using platform::win32::callAnyConvention;

std::vector<std::uintptr_t> frames;  // where each entry point found its frame

#define RECORD_FRAME() frames.push_back(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)))

extern "C" __attribute__((stdcall, noinline)) std::uint32_t stdcallNone() {
    RECORD_FRAME();
    return 42;
}
extern "C" __attribute__((cdecl, noinline)) std::uint32_t cdeclNone() {
    RECORD_FRAME();
    return 43;
}
extern "C" __attribute__((stdcall, noinline)) std::uint32_t stdcallSeven(std::uint32_t a, std::uint32_t b,
                                                                         std::uint32_t c, std::uint32_t d,
                                                                         std::uint32_t e, std::uint32_t f,
                                                                         std::uint32_t g) {
    RECORD_FRAME();
    return a * 1000000 + b * 100000 + c * 10000 + d * 1000 + e * 100 + f * 10 + g;
}
extern "C" __attribute__((cdecl, noinline)) std::uint32_t cdeclSeven(std::uint32_t a, std::uint32_t b, std::uint32_t c,
                                                                     std::uint32_t d, std::uint32_t e, std::uint32_t f,
                                                                     std::uint32_t g) {
    RECORD_FRAME();
    return a * 1000000 + b * 100000 + c * 10000 + d * 1000 + e * 100 + f * 10 + g;
}

TEST(CallThunk, EitherConventionLeavesTheCallersStackAsItWas) {
    struct Case {
        const void* entry;
        bool sevenArguments;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {reinterpret_cast<const void*>(&stdcallNone), false, 42},
        {reinterpret_cast<const void*>(&cdeclNone), false, 43},
        {reinterpret_cast<const void*>(&stdcallSeven), true, 1234567},
        {reinterpret_cast<const void*>(&cdeclSeven), true, 1234567},
    };
    for (const Case& c : cases) {
        frames.clear();
        for (int round = 0; round < 50; ++round) {
            const std::uint32_t result = c.sevenArguments ? callAnyConvention(c.entry, {1, 2, 3, 4, 5, 6, 7})
                                                          : callAnyConvention(c.entry, {});
            ASSERT_EQ(c.expected, result);
        }
        // A stack pointer left wrong by one call would move the next call's frame.
        ASSERT_EQ(50u, frames.size());
        for (std::uintptr_t frame : frames) EXPECT_EQ(frames.front(), frame);
    }
}

}  // namespace
