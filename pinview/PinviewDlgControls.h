#pragma once
// The prompt's drawn controls: labels that paint straight into their parent window, and the
// owner-drawn Cancel button copied from a strip of button images. Nothing here creates windows.
#include <windows.h>

#include <string>

#include "PinviewDrawingRules.h"
#include "PinviewHandles.h"

namespace pinview {

// What a label shows, copied out so that it can be painted without holding any lock.
struct TLabelLook {
    std::string Text;
    RECT Rect = {0, 0, 0, 0};
    COLORREF Color = RGB(0, 0, 0);
    bool Bold = false;
    bool WordWrap = false;
};

void PaintLabel(HDC dc, const TLabelLook& look);

class TApiControl {
public:
    TApiControl(HWND parent, int left, int top, int width, int height)
        : Parent(parent), Top(top), Left(left), Height(height), Width(width) {}
    virtual ~TApiControl() = default;
    TApiControl(const TApiControl&) = delete;
    TApiControl& operator=(const TApiControl&) = delete;

    virtual void Paint(HDC dc) = 0;
    RECT Rect() const { return {Left, Top, Left + Width, Top + Height}; }

    HWND Parent;
    int Top;
    int Left;
    int Height;
    int Width;
};

class TApiLabel : public TApiControl {
public:
    TApiLabel(HWND parent, int left, int top, int width, int height, const std::string& text);

    void Paint(HDC dc) override;
    virtual void SetText(const std::string& text);
    TLabelLook Look() const { return {Text, Rect(), Color, Bold, WordWrap}; }

    // Marks the label's rectangle for the parent's next paint. Sends nothing, so it is safe from
    // any thread and under a lock.
    void Invalidate();
    void SetColor(COLORREF color);
    void SetBold(bool bold);
    void SetWordWrap(bool wordWrap);

    std::string Text;
    COLORREF Color = RGB(0, 0, 0);
    bool Bold = false;
    bool WordWrap = false;

protected:
    // For derived labels, which set the text themselves so that their own SetText applies.
    TApiLabel(HWND parent, int left, int top, int width, int height) : TApiControl(parent, left, top, width, height) {}
};

// A label that shows its text without markup in angle brackets.
class TApiLabelEx : public TApiLabel {
public:
    TApiLabelEx(HWND parent, int left, int top, int width, int height, const std::string& text);
    void SetText(const std::string& text) override;
};

struct TButtonInfo {
    HWND Handle = nullptr;
    std::string Caption;
    RECT Rect = {0, 0, 0, 0};
    bool Pressed = false;
    bool Hot = false;
    WNDPROC OldWndProc = nullptr;
};

// The default GUI font at its 96-dpi pixel height, bold or normal weight.
TFont CreateDlgFont(bool bold);

void CenterTextRect(HDC dc, const std::string& text, RECT& r, UINT format);
void DrawButtonText(HDC dc, const std::string& text, RECT r, TCaptionLook look, UINT format);

// The reply to the Cancel button's owner-draw request; `strip` is the button image strip.
void DrawButton(const DRAWITEMSTRUCT& request, TButtonInfo& info, HBITMAP strip);

// Paints the hover look once when the cursor is over an enabled, released button.
void DrawButtonHot(TButtonInfo& info, HBITMAP strip);

}  // namespace pinview
