// A scripted ZKA signature library: answers as the script named by TK_ZKA_SCRIPT says and logs every
// call with its arguments. Built as stdcall, and as a cdecl twin, to show that callers survive both.
#include <windows.h>

#include <cstdint>

#include "../common/StandInScript.h"
#include "platform/sim/ZkaFake.h"

namespace {

platform::sim::ZkaFake& library() {
    static platform::sim::ZkaFake fake =
        standin::scriptedFake<platform::sim::ZkaFake, platform::sim::ZkaScript>("TK_ZKA_SCRIPT");
    return fake;
}

}  // namespace

extern "C" {

__declspec(dllexport) std::int32_t TK_ENTRY zka_sig_open(std::uint32_t* handle, char* readerName, char* versionText,
                                                         char* reserved1, char* reserved2, std::uint32_t* errorLength,
                                                         std::uint8_t* errorBytes) noexcept {
    return library().open(handle, readerName, versionText, reserved1, reserved2, errorLength, errorBytes);
}

__declspec(dllexport) std::int32_t TK_ENTRY zka_sig_card_available(std::uint32_t handle, std::uint32_t* errorLength,
                                                                   std::uint8_t* errorBytes) noexcept {
    return library().cardAvailable(handle, errorLength, errorBytes);
}

__declspec(dllexport) std::int32_t TK_ENTRY zka_sig_close(std::uint32_t handle, std::uint32_t* errorLength,
                                                          std::uint8_t* errorBytes) noexcept {
    return library().close(handle, errorLength, errorBytes);
}

}  // extern "C"
