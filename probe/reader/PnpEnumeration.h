#pragma once
// The Plug-and-Play enumeration of Windows 98 and ME: "Config Manager\Enum" under HKEY_DYN_DATA,
// one subkey per device with its "HardWareKey".
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace cardreader {

constexpr std::size_t kMaxEnumSubKeyName = 200;     // characters
constexpr std::uint32_t kMaxHardwareKeyValue = 200;  // bytes, with the closing NUL

// The "HardWareKey" values of the enumerated devices, in subkey order. The walk ends at the first
// subkey that cannot be enumerated or opened, whose name is longer than the limit, or whose value
// is missing or does not fit; a key that cannot be opened gives no values.
std::vector<std::string> readPnpHardwareKeys(platform::Registry& registry);

}  // namespace cardreader
