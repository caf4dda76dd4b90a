#include "PinviewDrawingRules.h"

#include <array>
#include <limits>

namespace pinview {
namespace {

// Pixel heights for -1 .. -19 at 96 dpi: the 120-dpi default GUI font of 13 pixels becomes 11.
constexpr std::array<std::int32_t, 19> kHeightTable = {1, 2, 3, 3, 4, 5, 6, 7, 7, 8, 9, 10, 11, 11, 12, 13, 14, 15, 15};

}  // namespace

std::string StripMarkup(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    bool inTag = false;
    for (char c : text) {
        if (c == '<') {
            inTag = true;
        } else if (c == '>' && inTag) {
            inTag = false;
        } else if (!inTag) {
            plain += c;
        }
    }
    return plain;
}

std::int32_t MulDivRounded(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if (negative) quotient = -quotient;
    if (quotient > std::numeric_limits<std::int32_t>::max() || quotient < std::numeric_limits<std::int32_t>::min())
        return -1;
    return static_cast<std::int32_t>(quotient);
}

std::int32_t DlgFontHeight(std::int32_t height, std::int32_t pixelsPerInch) {
    if (pixelsPerInch == 96) return height;
    if (height > -20 && height < 0) return -kHeightTable[-height - 1];
    if (height != 0) return -MulDivRounded(height, 96, pixelsPerInch);
    return height;
}

TRectI CenterTextRect(const TRectI& r, std::int32_t textWidth, std::int32_t textHeight) {
    const std::int32_t dx = (r.Width() - textWidth + 1) / 2;
    const std::int32_t dy = (r.Height() - textHeight + 1) / 2;
    return {r.Left + dx, r.Top + dy, r.Left + dx + textWidth, r.Top + dy + textHeight};
}

TRectI WidenForLeadingW(const TRectI& r, const std::string& caption) {
    if (caption.empty() || (caption[0] != 'W' && caption[0] != 'w')) return r;
    return {r.Left - 1, r.Top, r.Right + 1, r.Bottom};
}

TButtonLook ChooseButtonLook(bool enabled, bool pressed, bool focused, bool isDefault) {
    if (!enabled) return TButtonLook::Disabled;
    if (pressed) return TButtonLook::Pressed;
    if (focused) return TButtonLook::Focused;
    if (isDefault) return TButtonLook::Default;
    return TButtonLook::Normal;
}

TCaptionLook ChooseCaptionLook(bool enabled, bool pressed) {
    if (!enabled) return TCaptionLook::Disabled;
    return pressed ? TCaptionLook::Pressed : TCaptionLook::Plain;
}

std::vector<TBlit> ButtonPieces(TButtonLook look, std::int32_t left, std::int32_t right) {
    const std::int32_t leftCap = static_cast<std::int32_t>(look) * 2 * kCapWidth;
    const std::int32_t rightCap = leftCap + kCapWidth;
    const std::int32_t middle = right - left - 2 * kCapWidth;
    std::vector<TBlit> pieces{{leftCap, kCapWidth, left, kCapWidth}, {rightCap, kCapWidth, right - kCapWidth, kCapWidth}};
    if (look == TButtonLook::Focused) {
        // The last tile lands on the right cap's first two columns, which carry the same pattern.
        const std::int32_t tiles = middle / kFocusTileWidth;  // rounds toward zero; negative: none
        for (std::int32_t i = 0; i <= tiles; ++i)
            pieces.push_back({kFocusTileX, kFocusTileWidth, left + kCapWidth + kFocusTileWidth * i, kFocusTileWidth});
    } else if (middle > 0) {
        pieces.push_back({rightCap, 1, left + kCapWidth, middle});
    }
    return pieces;
}

}  // namespace pinview
