#pragma once
// Which platform family the prompt runs on, as far as the prompt cares.
#include "platform/SystemInfo.h"

namespace pinview {

constexpr std::uint32_t kPlatformWin9x = 1;
constexpr std::uint32_t kPlatformNt = 2;

// The NT family, where window stations and desktops exist.
bool IsNtFamily(const platform::OsVersion& version);

// Windows 2000 or later, or Windows 98 or ME: systems that refuse a plain SetForegroundWindow from
// a background thread, so the prompt borrows the foreground thread's input or lifts the lock.
bool HasForegroundLock(const platform::OsVersion& version);

}  // namespace pinview
