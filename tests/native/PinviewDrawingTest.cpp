#include <gtest/gtest.h>

#include "pinview/PinviewDlgLayout.h"
#include "pinview/PinviewDrawingRules.h"
#include "pinview/WindowsVersions.h"

namespace pinview {
namespace {

TEST(PinviewDrawing, MarkupIsStripped) {
    const std::pair<std::string, std::string> cases[] = {
        {"<i>Please</i> enter PIN.", "Please enter PIN."},
        {"PIN > 4 digits", "PIN > 4 digits"},  // a greater-than sign outside a tag stays
        {"Enter <PIN", "Enter "},              // an unclosed tag hides the rest
        {"a<<b>c", "ac"},                      // a second less-than sign inside a tag changes nothing
        {"<b>x</b>>y", "x>y"},
        {"", ""},
    };
    for (const auto& [text, plain] : cases) EXPECT_EQ(plain, StripMarkup(text)) << text;
}

TEST(PinviewDrawing, MulDivRoundsHalfAwayFromZero) {
    struct Case {
        std::int32_t a, b, c, expected;
    };
    const Case cases[] = {{-24, 96, 120, -19}, {13, 96, 120, 10}, {5, 3, 2, 8},     {-5, 3, 2, -8},
                          {5, -3, 2, -8},      {7, 1, 0, -1},     {0x40000000, 4, 1, -1}};
    for (const auto& c : cases) EXPECT_EQ(c.expected, MulDivRounded(c.a, c.b, c.c)) << c.a << "*" << c.b << "/" << c.c;
}

TEST(PinviewDrawing, FontHeightIsBroughtBackTo96Dpi) {
    for (std::int32_t h : {-13, -24, 0, 13}) EXPECT_EQ(h, DlgFontHeight(h, 96)) << h;

    const std::int32_t table[] = {1, 2, 3, 3, 4, 5, 6, 7, 7, 8, 9, 10, 11, 11, 12, 13, 14, 15, 15};
    for (std::int32_t k = 1; k <= 19; ++k) {
        EXPECT_EQ(-table[k - 1], DlgFontHeight(-k, 120)) << k;
        EXPECT_EQ(-table[k - 1], DlgFontHeight(-k, 144)) << k;  // the table serves every resolution
    }
    EXPECT_EQ(16, DlgFontHeight(-20, 120));
    EXPECT_EQ(19, DlgFontHeight(-24, 120));
    EXPECT_EQ(-10, DlgFontHeight(13, 120));
    EXPECT_EQ(0, DlgFontHeight(0, 120));
}

TEST(PinviewDrawing, CenteringRoundsTowardZero) {
    struct Case {
        TRectI r;
        std::int32_t w, h;
        TRectI expected;
    };
    const Case cases[] = {
        {{0, 0, 98, 25}, 40, 13, {29, 6, 69, 19}},
        {{10, 20, 108, 45}, 41, 14, {39, 26, 80, 40}},
        {{0, 0, 10, 10}, 15, 10, {-2, 0, 13, 10}},  // (10 - 15 + 1) / 2 = -2
        {{0, 0, 10, 10}, 16, 14, {-2, -1, 14, 13}}, // -5 / 2 rounds to -2, not -3
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, CenterTextRect(c.r, c.w, c.h)) << c.w;

    const TRectI r{29, 6, 69, 19};
    EXPECT_EQ((TRectI{28, 6, 70, 19}), WidenForLeadingW(r, "Weiter"));
    EXPECT_EQ((TRectI{28, 6, 70, 19}), WidenForLeadingW(r, "weiter"));
    EXPECT_EQ(r, WidenForLeadingW(r, "&Cancel"));
    EXPECT_EQ(r, WidenForLeadingW(r, ""));
}

TEST(PinviewDrawing, ButtonLookFollowsItsPriority) {
    using L = TButtonLook;
    struct Case {
        bool enabled, pressed, focused, isDefault;
        L look;
        TCaptionLook caption;
    };
    const Case cases[] = {
        {false, true, true, true, L::Disabled, TCaptionLook::Disabled},
        {true, true, true, true, L::Pressed, TCaptionLook::Pressed},
        {true, false, true, true, L::Focused, TCaptionLook::Plain},
        {true, false, false, true, L::Default, TCaptionLook::Plain},
        {true, false, false, false, L::Normal, TCaptionLook::Plain},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.look, ChooseButtonLook(c.enabled, c.pressed, c.focused, c.isDefault));
        EXPECT_EQ(c.caption, ChooseCaptionLook(c.enabled, c.pressed));
    }
}

TEST(PinviewDrawing, ButtonPiecesOfEachLook) {
    const std::pair<TButtonLook, std::int32_t> caps[] = {{TButtonLook::Normal, 0},   {TButtonLook::Default, 16},
                                                         {TButtonLook::Pressed, 48}, {TButtonLook::Hot, 64},
                                                         {TButtonLook::Disabled, 80}};
    for (const auto& [look, leftCap] : caps) {
        const std::vector<TBlit> expected = {
            {leftCap, 8, 10, 8}, {leftCap + 8, 8, 100, 8}, {leftCap + 8, 1, 18, 82}};
        EXPECT_EQ(expected, ButtonPieces(look, 10, 108)) << leftCap;
    }

    const auto focused = ButtonPieces(TButtonLook::Focused, 0, 98);
    ASSERT_EQ(2u + 42u, focused.size());
    EXPECT_EQ((TBlit{32, 8, 0, 8}), focused[0]);
    EXPECT_EQ((TBlit{40, 8, 90, 8}), focused[1]);
    EXPECT_EQ((TBlit{96, 2, 8, 2}), focused[2]);
    EXPECT_EQ((TBlit{96, 2, 90, 2}), focused.back());  // ends on the right cap's first two columns

    EXPECT_EQ(2u + 41u, ButtonPieces(TButtonLook::Focused, 0, 97).size());
    EXPECT_EQ(2u + 1u, ButtonPieces(TButtonLook::Focused, 0, 15).size());  // -1 / 2 rounds to 0: one tile
    EXPECT_EQ(2u, ButtonPieces(TButtonLook::Focused, 0, 14).size());
    EXPECT_EQ(2u, ButtonPieces(TButtonLook::Normal, 0, 16).size());  // nothing to stretch
}

TEST(PinviewDrawing, LayoutOfTheSmallestAndLargestWindow) {
    const TDlgLayout small = ComputeLayout({135, 25, 50, 100}, 1024, 768);
    EXPECT_EQ((TRectI{359, 295, 665, 472}), small.Window);
    EXPECT_EQ((TRectI{0, 0, 167, 177}), small.LeftPicture);
    EXPECT_EQ((TRectI{167, 0, 302, 177}), small.TextArea);
    EXPECT_EQ((TRectI{302, 0, 306, 177}), small.RightEdge);
    EXPECT_EQ((TRectI{165, 25, 286, 115}), small.PromptLabel);
    EXPECT_EQ((TRectI{165, 50, 286, 70}), small.MarkLabel);
    EXPECT_EQ((TRectI{165, 100, 286, 190}), small.StatusLabel);  // may reach below the window
    EXPECT_EQ((TRectI{193, 140, 291, 165}), small.CancelButton);

    const TDlgLayout large = ComputeLayout({600, 150, 1, 149}, 1025, 769);
    EXPECT_EQ((TRectI{127, 296, 898, 473}), large.Window);  // halves rounded toward zero
    EXPECT_EQ((TRectI{658, 140, 756, 165}), large.CancelButton);
    EXPECT_EQ((TRectI{767, 0, 771, 177}), large.RightEdge);
    EXPECT_EQ((TRectI{165, 150, 751, 240}), large.PromptLabel);

    // A screen narrower than the window: the negative half also rounds toward zero.
    EXPECT_EQ(-65, ComputeLayout({600, 25, 50, 100}, 640, 480).Window.Left);
}

TEST(PinviewDrawing, PlatformFamilies) {
    struct Case {
        std::uint32_t platformId, major, minor;
        bool nt, foregroundLock;
    };
    const Case cases[] = {
        {1, 4, 0, false, false},  // Windows 95
        {1, 4, 10, false, true},  // Windows 98
        {1, 4, 90, false, true},  // Windows ME
        {2, 4, 0, true, false},   // NT 4.0
        {2, 5, 0, true, true},    // Windows 2000
        {2, 10, 0, true, true},
        {0, 0, 0, false, false},  // version unknown
    };
    for (const auto& c : cases) {
        platform::OsVersion v;
        v.platformId = c.platformId;
        v.majorVersion = c.major;
        v.minorVersion = c.minor;
        EXPECT_EQ(c.nt, IsNtFamily(v)) << c.platformId << " " << c.major << "." << c.minor;
        EXPECT_EQ(c.foregroundLock, HasForegroundLock(v)) << c.platformId << " " << c.major << "." << c.minor;
    }
}

}  // namespace
}  // namespace pinview
