#pragma once
// The arithmetic behind the drawn labels and the bitmap button: markup removal, the 96-dpi font
// height, text centring, the choice of button look and the pieces a look is copied from.
#include <cstdint>
#include <string>
#include <vector>

namespace pinview {

struct TRectI {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool operator==(const TRectI&) const = default;
};

// Drops everything from a less-than sign up to the next greater-than sign, both included. A
// greater-than sign outside a tag stays; an unclosed tag hides the rest of the text.
std::string StripMarkup(const std::string& text);

// MulDiv of the platform: a * b / c rounded to the nearest integer, halves away from zero;
// -1 when c is 0 or the result does not fit into 32 bits.
std::int32_t MulDivRounded(std::int32_t a, std::int32_t b, std::int32_t c);

// The height of the default GUI font brought back to its 96-dpi pixel height on a screen with
// `pixelsPerInch` vertical resolution.
std::int32_t DlgFontHeight(std::int32_t height, std::int32_t pixelsPerInch);

// Centres a text of the measured size in r; divisions round toward zero.
TRectI CenterTextRect(const TRectI& r, std::int32_t textWidth, std::int32_t textHeight);

// A caption starting with W or w gets one pixel more on each side.
TRectI WidenForLeadingW(const TRectI& r, const std::string& caption);

enum class TButtonLook { Normal = 0, Default = 1, Focused = 2, Pressed = 3, Hot = 4, Disabled = 5 };
enum class TCaptionLook { Plain = 0, Disabled = 1, Pressed = 2 };

// The first look that applies: disabled, pressed, focused, default, normal.
TButtonLook ChooseButtonLook(bool enabled, bool pressed, bool focused, bool isDefault);
TCaptionLook ChooseCaptionLook(bool enabled, bool pressed);

// One copy from the button image strip into the button.
struct TBlit {
    std::int32_t SourceX, SourceWidth;
    std::int32_t DestX, DestWidth;  // DestWidth != SourceWidth: stretched
    bool operator==(const TBlit&) const = default;
};

constexpr std::int32_t kButtonWidth = 98;
constexpr std::int32_t kButtonHeight = 25;
constexpr std::int32_t kCapWidth = 8;
constexpr std::int32_t kFocusTileX = 96;
constexpr std::int32_t kFocusTileWidth = 2;

// The copies that draw a look into a button spanning left..right, in drawing order: left cap,
// right cap, then the middle (the right cap's first column stretched, or the focus tile repeated).
std::vector<TBlit> ButtonPieces(TButtonLook look, std::int32_t left, std::int32_t right);

}  // namespace pinview
