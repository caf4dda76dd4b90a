#pragma once
// The smart-card resource manager, shaped after SCardEstablishContext, SCardListReadersA,
// SCardConnectA, SCardControl, SCardDisconnect, SCardCancel and SCardReleaseContext.
// Every operation returns the service's LONG result as it stands (0 = success).
#include <cstdint>
#include <string>

namespace platform {

using ScardResult = std::int32_t;     // the 32 bits of the service's LONG
using ScardContext = std::uintptr_t;  // SCARDCONTEXT
using ScardHandle = std::uintptr_t;   // SCARDHANDLE

// Results the callers tell apart or the services return for the cases they model.
constexpr ScardResult kScardSuccess = 0;
constexpr ScardResult kScardEInsufficientBuffer = static_cast<ScardResult>(0x80100008u);
constexpr ScardResult kScardEUnknownReader = static_cast<ScardResult>(0x80100009u);
constexpr ScardResult kScardEInvalidHandle = static_cast<ScardResult>(0x80100003u);
constexpr ScardResult kScardESharingViolation = static_cast<ScardResult>(0x8010000Bu);
constexpr ScardResult kScardENoService = static_cast<ScardResult>(0x8010001Du);
constexpr ScardResult kScardEUnsupportedFeature = static_cast<ScardResult>(0x80100022u);
constexpr ScardResult kScardENoReadersAvailable = static_cast<ScardResult>(0x8010002Eu);
constexpr ScardResult kScardWRemovedCard = static_cast<ScardResult>(0x80100069u);

// The code as shown in messages ("0x%X").
constexpr unsigned scardCodeBits(ScardResult code) { return static_cast<std::uint32_t>(code); }

// Context scopes.
constexpr std::uint32_t kScardScopeUser = 0;
constexpr std::uint32_t kScardScopeSystem = 2;
// Share modes.
constexpr std::uint32_t kScardShareShared = 2;
constexpr std::uint32_t kScardShareDirect = 3;
// Preferred protocols.
constexpr std::uint32_t kScardProtocolNone = 0;
constexpr std::uint32_t kScardProtocolT0OrT1 = 3;
// Dispositions.
constexpr std::uint32_t kScardLeaveCard = 0;
constexpr std::uint32_t kScardUnpowerCard = 2;

class SmartCard {
public:
    virtual ~SmartCard() = default;
    // Both reserved arguments are passed null. `context` is written only on success.
    virtual ScardResult establishContext(std::uint32_t scope, ScardContext& context) = 0;
    // All groups (null). With a null `buffer` only the needed length (in bytes, with the closing
    // NULs) is returned in `length`; otherwise `length` is the buffer size on entry and the
    // length written on return.
    virtual ScardResult listReaders(ScardContext context, char* buffer, std::uint32_t& length) = 0;
    // `card` and `activeProtocol` are written only on success.
    virtual ScardResult connect(ScardContext context, const std::string& reader, std::uint32_t shareMode,
                                std::uint32_t preferredProtocols, ScardHandle& card,
                                std::uint32_t& activeProtocol) = 0;
    // `input` may be null with inputLength 0. `returned` is what the driver says it wrote.
    virtual ScardResult control(ScardHandle card, std::uint32_t controlCode, const void* input,
                                std::uint32_t inputLength, void* output, std::uint32_t outputLength,
                                std::uint32_t& returned) = 0;
    virtual ScardResult disconnect(ScardHandle card, std::uint32_t disposition) = 0;
    virtual ScardResult cancel(ScardContext context) = 0;
    virtual ScardResult releaseContext(ScardContext context) = 0;
};

}  // namespace platform
