#pragma once
// The library's own copy of the host's parameter block and what StartDlgEx makes of it.
// The block is held as 76 bytes of 32-bit fields on every platform: the pointer fields keep the
// host's 32-bit addresses, which only the Windows build turns back into text pointers.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>

namespace pinview {

struct TDlgParamsBlock {
    std::int32_t Size;
    std::uint32_t Flags;
    std::uint32_t Texts[10];  // Texts[k - 1] belongs to text id k
    std::uint32_t ExtraWidth;
    std::uint32_t PromptTop;
    std::uint32_t MarkTop;
    std::uint32_t StatusTop;
    std::uint32_t WinStation;
    std::uint32_t Desktop;
    std::uint32_t Reserved;
};
static_assert(sizeof(TDlgParamsBlock) == 76 && std::is_trivially_copyable_v<TDlgParamsBlock>);
static_assert(offsetof(TDlgParamsBlock, Texts) == 8);
static_assert(offsetof(TDlgParamsBlock, ExtraWidth) == 48);
static_assert(offsetof(TDlgParamsBlock, WinStation) == 64);
static_assert(offsetof(TDlgParamsBlock, Reserved) == 72);

constexpr std::uint32_t kNoDesktopSwitch = 0x1;
constexpr std::int32_t kDone = 0;
constexpr std::int32_t kRefused = 87;  // ERROR_INVALID_PARAMETER

// Text area width and label tops as the window gets them.
struct TPromptGeometry {
    std::uint32_t Width = 135;
    std::uint32_t PromptTop = 25;
    std::uint32_t MarkTop = 50;
    std::uint32_t StatusTop = 100;
};

// All 76 bytes zero, then Size = 76.
TDlgParamsBlock ResetParams();

bool IsValidMode(std::int32_t mode);

// Text id of the first prompt of a valid mode (1, 2 or 5).
int PromptTextId(std::int32_t mode);

// Reset `current`, then copy the first min(Size, 76) bytes of the caller's block over it (none for
// a null block). Refused (false) for a negative Size, or for an ExtraWidth to which adding 135
// overflows 32 bits; `current` is left reset then.
bool LoadParams(const unsigned char* callerBlock, TDlgParamsBlock& current);

// The bounded label tops and text-area width of a loaded block.
TPromptGeometry NormaliseParams(const TDlgParamsBlock& current);

// The host's own text for id 1..10 when it gave one (also an empty one); reads the text at a host
// address through `readText`.
std::optional<std::string> HostText(const TDlgParamsBlock& current, int id,
                                    const std::function<std::string(std::uint32_t)>& readText);

}  // namespace pinview
