#include "PinviewDlgLayout.h"

namespace pinview {
namespace {

constexpr std::int32_t kLabelLeft = 165;
constexpr std::int32_t kLabelInset = 14;  // labels end this much short of the text area's width
constexpr std::int32_t kTallLabelHeight = 90;
constexpr std::int32_t kMarkLabelHeight = 20;
constexpr std::int32_t kButtonTop = 140;
constexpr std::int32_t kButtonRightMargin = 15;  // from the window's right side

TRectI at(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return {x, y, x + width, y + height};
}

}  // namespace

TDlgLayout ComputeLayout(const TPromptGeometry& geometry, std::int32_t screenWidth, std::int32_t screenHeight) {
    const auto w = static_cast<std::int32_t>(geometry.Width);
    const std::int32_t windowWidth = kLeftPictureWidth + w + kRightEdgeWidth;
    const std::int32_t labelWidth = w - kLabelInset;
    TDlgLayout layout;
    layout.Window = at((screenWidth - windowWidth) / 2, (screenHeight - kWindowHeight) / 2, windowWidth, kWindowHeight);
    layout.LeftPicture = at(0, 0, kLeftPictureWidth, kWindowHeight);
    layout.TextArea = at(kLeftPictureWidth, 0, w, kWindowHeight);
    layout.RightEdge = at(kLeftPictureWidth + w, 0, kRightEdgeWidth, kWindowHeight);
    layout.PromptLabel = at(kLabelLeft, static_cast<std::int32_t>(geometry.PromptTop), labelWidth, kTallLabelHeight);
    layout.MarkLabel = at(kLabelLeft, static_cast<std::int32_t>(geometry.MarkTop), labelWidth, kMarkLabelHeight);
    layout.StatusLabel = at(kLabelLeft, static_cast<std::int32_t>(geometry.StatusTop), labelWidth, kTallLabelHeight);
    layout.CancelButton = at(windowWidth - kButtonRightMargin - kButtonWidth, kButtonTop,
                             kButtonWidth, kButtonHeight);
    return layout;
}

}  // namespace pinview
