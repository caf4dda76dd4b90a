#pragma once
// Calls into outside libraries whose calling convention is not known: a stdcall entry point removes
// its arguments from the stack itself, a cdecl one leaves that to the caller. The call goes through a
// small frame that restores the stack pointer from its own saved copy after the call, so either kind
// leaves the caller's stack as it was.
#include <cstdint>
#include <initializer_list>

namespace platform::win32 {

// Pushes the arguments (first argument last, as both conventions expect), calls entry and returns EAX.
std::uint32_t callAnyConvention(const void* entry, std::initializer_list<std::uint32_t> arguments);

template <typename T>
std::uint32_t asArgument(T* pointer) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

}  // namespace platform::win32
