// A scripted CT-API library: answers as the script named by TK_CTAPI_SCRIPT says and logs every call
// with its arguments. Built as stdcall, and as a cdecl twin, to show that callers survive both.
#include <windows.h>

#include "../common/StandInScript.h"
#include "platform/sim/CtApiFake.h"

namespace {

platform::sim::CtApiFake& terminal() {
    static platform::sim::CtApiFake fake =
        standin::scriptedFake<platform::sim::CtApiFake, platform::sim::CtApiScript>("TK_CTAPI_SCRIPT");
    return fake;
}

}  // namespace

extern "C" {

__declspec(dllexport) signed char TK_ENTRY CT_init(unsigned short ctn, unsigned short pn) noexcept {
    return terminal().init(ctn, pn);
}

__declspec(dllexport) signed char TK_ENTRY CT_data(unsigned short ctn, unsigned char* dad, unsigned char* sad,
                                                   unsigned short lenc, unsigned char* command, unsigned short* lenr,
                                                   unsigned char* response) noexcept {
    return terminal().data(ctn, dad, sad, lenc, command, lenr, response);
}

__declspec(dllexport) signed char TK_ENTRY CT_close(unsigned short ctn) noexcept { return terminal().close(ctn); }

#if !defined(TK_STANDIN_NO_VERSION)
__declspec(dllexport) void TK_ENTRY Get_VersionString(char* text, unsigned int number) noexcept {
    terminal().versionString(text, number);
}
#endif

}  // extern "C"
