#include "PinviewParams.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "PinviewUtil.h"

namespace pinview {
namespace {

constexpr std::uint32_t kBaseWidth = 135;
constexpr std::uint32_t kMaxWidth = 600;
constexpr std::uint32_t kMaxTop = 150;

}  // namespace

TDlgParamsBlock ResetParams() {
    TDlgParamsBlock block{};
    block.Size = sizeof block;
    return block;
}

bool IsValidMode(std::int32_t mode) { return mode == 1 || mode == 2 || mode == 5; }

int PromptTextId(std::int32_t mode) {
    switch (mode) {
        case 2: return 2;
        case 5: return 3;
        default: return 1;
    }
}

bool LoadParams(const unsigned char* callerBlock, TDlgParamsBlock& current) {
    current = ResetParams();
    if (!callerBlock) return true;
    std::int32_t size = 0;
    std::memcpy(&size, callerBlock, sizeof size);
    if (size < 0) return false;
    const std::size_t count = std::min<std::size_t>(static_cast<std::uint32_t>(size), sizeof current);
    std::memcpy(&current, callerBlock, count);
    if (current.ExtraWidth > std::numeric_limits<std::uint32_t>::max() - kBaseWidth) {
        current = ResetParams();  // a refused block leaves nothing of itself behind
        return false;
    }
    return true;
}

TPromptGeometry NormaliseParams(const TDlgParamsBlock& current) {
    TPromptGeometry geometry;
    geometry.PromptTop = BoundedDefault(current.PromptTop, 25, kMaxTop);
    geometry.MarkTop = BoundedDefault(current.MarkTop, 50, kMaxTop);
    geometry.StatusTop = BoundedDefault(current.StatusTop, 100, kMaxTop);
    geometry.Width = BoundedDefault(current.ExtraWidth + kBaseWidth, kMaxWidth, kMaxWidth);
    return geometry;
}

std::optional<std::string> HostText(const TDlgParamsBlock& current, int id,
                                    const std::function<std::string(std::uint32_t)>& readText) {
    if (id < 1 || id > 10) return std::nullopt;
    const std::uint32_t address = current.Texts[id - 1];
    if (address == 0) return std::nullopt;
    return readText(address);
}

}  // namespace pinview
