#pragma once
// Where the prompt window and its pieces go, in pixels, for a text-area width W and label tops.
#include <cstdint>

#include "PinviewDrawingRules.h"
#include "PinviewParams.h"

namespace pinview {

constexpr std::int32_t kLeftPictureWidth = 167;
constexpr std::int32_t kRightEdgeWidth = 4;
constexpr std::int32_t kWindowHeight = 177;
constexpr std::int32_t kStretchColumn = 166;  // the left picture's column stretched over the text area
constexpr int kCancelButtonId = 5;

struct TDlgLayout {
    TRectI Window;        // screen coordinates
    TRectI LeftPicture;   // client coordinates from here on
    TRectI TextArea;
    TRectI RightEdge;
    TRectI PromptLabel;
    TRectI MarkLabel;
    TRectI StatusLabel;
    TRectI CancelButton;
};

TDlgLayout ComputeLayout(const TPromptGeometry& geometry, std::int32_t screenWidth, std::int32_t screenHeight);

}  // namespace pinview
