#include "Win32SmartCard.h"

#include <windows.h>
#include <winscard.h>

namespace platform::win32 {

static_assert(sizeof(SCARDCONTEXT) == sizeof(ScardContext));
static_assert(sizeof(SCARDHANDLE) == sizeof(ScardHandle));
static_assert(sizeof(LONG) == sizeof(ScardResult));
static_assert(SCARD_SCOPE_SYSTEM == kScardScopeSystem && SCARD_SCOPE_USER == kScardScopeUser);
static_assert(SCARD_SHARE_DIRECT == kScardShareDirect && SCARD_SHARE_SHARED == kScardShareShared);
static_assert((SCARD_PROTOCOL_T0 | SCARD_PROTOCOL_T1) == kScardProtocolT0OrT1);
static_assert(SCARD_LEAVE_CARD == kScardLeaveCard && SCARD_UNPOWER_CARD == kScardUnpowerCard);
static_assert(static_cast<ScardResult>(SCARD_E_NO_SERVICE) == kScardENoService);
static_assert(static_cast<ScardResult>(SCARD_E_UNKNOWN_READER) == kScardEUnknownReader);
static_assert(static_cast<ScardResult>(SCARD_E_NO_READERS_AVAILABLE) == kScardENoReadersAvailable);
static_assert(static_cast<ScardResult>(SCARD_E_INSUFFICIENT_BUFFER) == kScardEInsufficientBuffer);

ScardResult Win32SmartCard::establishContext(std::uint32_t scope, ScardContext& context) {
    SCARDCONTEXT handle = 0;
    const LONG rc = SCardEstablishContext(scope, nullptr, nullptr, &handle);
    if (rc == SCARD_S_SUCCESS) context = handle;
    return rc;
}

ScardResult Win32SmartCard::listReaders(ScardContext context, char* buffer, std::uint32_t& length) {
    DWORD size = buffer ? length : 0;
    const LONG rc = SCardListReadersA(context, nullptr, buffer, &size);
    length = size;
    return rc;
}

ScardResult Win32SmartCard::connect(ScardContext context, const std::string& reader, std::uint32_t shareMode,
                                    std::uint32_t preferredProtocols, ScardHandle& card,
                                    std::uint32_t& activeProtocol) {
    SCARDHANDLE handle = 0;
    DWORD protocol = 0;
    const LONG rc = SCardConnectA(context, reader.c_str(), shareMode, preferredProtocols, &handle, &protocol);
    if (rc == SCARD_S_SUCCESS) {
        card = handle;
        activeProtocol = protocol;
    }
    return rc;
}

ScardResult Win32SmartCard::control(ScardHandle card, std::uint32_t controlCode, const void* input,
                                    std::uint32_t inputLength, void* output, std::uint32_t outputLength,
                                    std::uint32_t& returned) {
    DWORD length = 0;
    const LONG rc = SCardControl(card, controlCode, input, inputLength, output, outputLength, &length);
    returned = length;
    return rc;
}

ScardResult Win32SmartCard::disconnect(ScardHandle card, std::uint32_t disposition) {
    return SCardDisconnect(card, disposition);
}

ScardResult Win32SmartCard::cancel(ScardContext context) { return SCardCancel(context); }

ScardResult Win32SmartCard::releaseContext(ScardContext context) { return SCardReleaseContext(context); }

}  // namespace platform::win32
