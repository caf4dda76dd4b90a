#include "PinviewDlgControls.h"

namespace pinview {
namespace {

TRectI toRectI(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT toRect(const TRectI& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

void drawText(HDC dc, const std::string& text, RECT& r, UINT format) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

// Copies one look of the strip into the button, every piece `height` pixels high at r.top.
void drawLook(HDC dc, HBITMAP strip, TButtonLook look, const RECT& r, int height) {
    TMemoryDc memory(dc);
    if (!memory.Get()) return;
    TSelection selected(memory.Get(), strip);
    if (!selected.Selected()) return;
    for (const TBlit& piece : ButtonPieces(look, r.left, r.right)) {
        if (piece.DestWidth == piece.SourceWidth) {
            BitBlt(dc, piece.DestX, r.top, piece.DestWidth, height, memory.Get(), piece.SourceX, 0, SRCCOPY);
        } else {
            StretchBlt(dc, piece.DestX, r.top, piece.DestWidth, height, memory.Get(), piece.SourceX, 0,
                       piece.SourceWidth, height, SRCCOPY);
        }
    }
}

}  // namespace

TApiLabel::TApiLabel(HWND parent, int left, int top, int width, int height, const std::string& text)
    : TApiControl(parent, left, top, width, height) {
    SetText(text);
}

void PaintLabel(HDC dc, const TLabelLook& look) {
    TFont font = CreateDlgFont(look.Bold);
    TSelection selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.Color);
    RECT r = look.Rect;
    drawText(dc, look.Text, r, look.WordWrap ? DT_WORDBREAK : 0);
}

void TApiLabel::Paint(HDC dc) { PaintLabel(dc, Look()); }

void TApiLabel::SetText(const std::string& text) {
    Text = text;
    Invalidate();
}

void TApiLabel::Invalidate() {
    const RECT r = Rect();
    InvalidateRect(Parent, &r, FALSE);
}

void TApiLabel::SetColor(COLORREF color) {
    Color = color;
    Invalidate();
}

void TApiLabel::SetBold(bool bold) {
    Bold = bold;
    Invalidate();
}

void TApiLabel::SetWordWrap(bool wordWrap) {
    WordWrap = wordWrap;
    Invalidate();
}

TApiLabelEx::TApiLabelEx(HWND parent, int left, int top, int width, int height, const std::string& text)
    : TApiLabel(parent, left, top, width, height) {
    SetText(text);
}

void TApiLabelEx::SetText(const std::string& text) { TApiLabel::SetText(StripMarkup(text)); }

TFont CreateDlgFont(bool bold) {
    LOGFONTA font{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0) return {};
    {
        TWindowDc screen(nullptr);
        if (screen.Get()) font.lfHeight = DlgFontHeight(font.lfHeight, GetDeviceCaps(screen.Get(), LOGPIXELSY));
    }
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = FALSE;
    font.lfUnderline = FALSE;
    return TFont(CreateFontIndirectA(&font));
}

void CenterTextRect(HDC dc, const std::string& text, RECT& r, UINT format) {
    RECT measured = {0, 0, r.right - r.left, r.bottom - r.top};
    drawText(dc, text, measured, format | DT_CALCRECT);
    r = toRect(CenterTextRect(toRectI(r), measured.right - measured.left, measured.bottom - measured.top));
}

void DrawButtonText(HDC dc, const std::string& text, RECT r, TCaptionLook look, UINT format) {
    if (text.empty()) return;
    TFont font = CreateDlgFont(false);
    TSelection selected(dc, font.Get());
    CenterTextRect(dc, text, r, format);
    r = toRect(WidenForLeadingW(toRectI(r), text));
    SetBkMode(dc, TRANSPARENT);
    const UINT flags = format | DT_CENTER | DT_VCENTER;
    switch (look) {
        case TCaptionLook::Disabled:
            // Embossed: a light copy one pixel down and right, the shadow colour on top.
            OffsetRect(&r, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            drawText(dc, text, r, flags);
            OffsetRect(&r, -1, -1);
            SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
            drawText(dc, text, r, flags);
            break;
        case TCaptionLook::Pressed:
            OffsetRect(&r, 1, 1);
            drawText(dc, text, r, flags);
            break;
        case TCaptionLook::Plain:
            drawText(dc, text, r, flags);
            break;
    }
}

void DrawButton(const DRAWITEMSTRUCT& request, TButtonInfo& info, HBITMAP strip) {
    const bool pressed = (request.itemState & ODS_SELECTED) != 0;
    const bool focused = (request.itemState & ODS_FOCUS) != 0;
    const bool isDefault = (request.itemState & ODS_DEFAULT) != 0;
    const bool enabled = IsWindowEnabled(info.Handle) != FALSE;
    info.Pressed = pressed;
    info.Hot = false;
    const RECT r = request.rcItem;
    drawLook(request.hDC, strip, ChooseButtonLook(enabled, pressed, focused, isDefault), r, kButtonHeight);
    DrawButtonText(request.hDC, info.Caption, r, ChooseCaptionLook(enabled, pressed), 0);
}

void DrawButtonHot(TButtonInfo& info, HBITMAP strip) {
    TWindowDc dc(info.Handle);
    if (!dc.Get()) return;
    if (info.Hot || info.Pressed || !IsWindowEnabled(info.Handle)) return;
    POINT cursor{};
    if (!GetCursorPos(&cursor) || !ScreenToClient(info.Handle, &cursor)) return;
    if (cursor.x < 0 || cursor.x >= info.Rect.right || cursor.y < 0 || cursor.y >= info.Rect.bottom) return;
    drawLook(dc.Get(), strip, TButtonLook::Hot, info.Rect, info.Rect.bottom);
    DrawButtonText(dc.Get(), info.Caption, info.Rect, TCaptionLook::Plain, 0);
    info.Hot = true;
}

}  // namespace pinview
