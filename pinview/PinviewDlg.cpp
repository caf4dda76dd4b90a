#include "PinviewDlg.h"

#include <memory>
#include <utility>
#include <vector>

#include "PinviewDlgLayout.h"
#include "PinviewHandles.h"
#include "PinviewRules.h"
#include "WindowsVersions.h"
#include "platform/win32/Win32System.h"

namespace pinview {
namespace {

constexpr int kPromptTemplateId = 100;
constexpr UINT_PTR kKeepOnTopTimer = 7;
constexpr UINT kKeepOnTopPeriod = 250;
constexpr UINT kMouseLeavePeriod = 100;
constexpr DWORD kPromptStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kPromptExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr DWORD kCancelButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
static_assert(kPromptStyle == 0x86000000 && kPromptExStyle == 0x00010088 && kCancelButtonStyle == 0x5001000B);
constexpr UINT kEndRequestMessage = WM_APP + 0x2E;

using TTrackMouseEventFunction = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

struct TDlgState {
    HINSTANCE Instance = nullptr;
    platform::OsVersion Version;
    HWND Window = nullptr;
    bool Starting = false;  // a ShowDlg has claimed the window and waits for its creation
    std::unique_ptr<TApiLabelEx> PromptLabel;
    std::unique_ptr<TApiLabelEx> MarkLabel;
    std::unique_ptr<TApiLabelEx> StatusLabel;
    TButtonInfo Button;
    TCommandHandler CommandHandler = nullptr;
    TEndRequestHandler EndRequestHandler = nullptr;
    TPromptGeometry Geometry;
    std::string PromptText;
    std::string CancelCaption;
    // Loaded by the first prompt and kept, so that painting never looks up resources; a thread
    // that unloads the library may hold the loader lock while the window still paints.
    TBitmap LeftPicture;
    TBitmap RightEdge;
    TBitmap ButtonStrip;
    HMODULE User32 = nullptr;
    TTrackMouseEventFunction TrackMouse = nullptr;
    bool KeepOnTopBusy = false;  // the window's thread only
};

TLock Lock;
TDlgState State;

bool isOpenLocked() { return State.Window && IsWindow(State.Window); }

// GetProcAddress hands out a generic function pointer; the detour through void (*)() is the
// conversion the compiler accepts without a warning.
template <typename T>
T procedure(HMODULE module, const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Loads the pictures and resolves TrackMouseEvent once. The loading runs outside the lock: it may
// need the loader lock, which a thread that unloads the library holds while it takes ours.
void prepareResources() {
    {
        TLocked locked(Lock);
        if (State.LeftPicture && State.RightEdge && State.ButtonStrip && State.TrackMouse) return;
    }
    TBitmap left(LoadBitmapA(State.Instance, "BMP_BG_LEFT"));
    TBitmap right(LoadBitmapA(State.Instance, "BMP_BG_RIGHT"));
    TBitmap strip(LoadBitmapA(State.Instance, "BITMAP_BUTTON"));
    HMODULE user32 = LoadLibraryA("USER32.DLL");
    auto track = user32 ? procedure<TTrackMouseEventFunction>(user32, "TrackMouseEvent") : nullptr;
    if (!track) track = &MouseLeaveEmulation;
    {
        TLocked locked(Lock);
        if (!State.LeftPicture) State.LeftPicture = std::move(left);
        if (!State.RightEdge) State.RightEdge = std::move(right);
        if (!State.ButtonStrip) State.ButtonStrip = std::move(strip);
        if (!State.TrackMouse) {
            State.TrackMouse = track;
            std::swap(State.User32, user32);
        }
    }
    if (user32) FreeLibrary(user32);  // another prompt was quicker
}

// Draws some text once where nobody sees it. The first text output of a process may load system
// libraries, which needs the loader lock; done here, before the prompt counts as open, it cannot
// hold up a thread that unloads the library (and holds that lock) while it ends the prompt.
void warmUpTextDrawing() {
    TWindowDc screen(nullptr);
    TMemoryDc memory(screen.Get());
    if (!memory.Get()) return;
    TBitmap canvas(CreateCompatibleBitmap(screen.Get(), 8, 8));
    TSelection selected(memory.Get(), canvas.Get());
    PaintLabel(memory.Get(), {"&Wg.", {0, 0, 8, 8}, RGB(0, 0, 0), true, true});
}

std::unique_ptr<TApiLabelEx> makeLabel(HWND window, const TRectI& r, const std::string& text, COLORREF color) {
    auto label = std::make_unique<TApiLabelEx>(window, r.Left, r.Top, r.Width(), r.Height(), text);
    label->SetColor(color);
    label->SetBold(true);
    label->SetWordWrap(true);
    return label;
}

LRESULT CALLBACK cancelButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

void onInitDialog(HWND window, HWND& own) {
    TPromptGeometry geometry;
    std::string promptText;
    std::string caption;
    {
        TLocked locked(Lock);
        own = window;
        State.Window = window;
        State.Starting = false;
        geometry = State.Geometry;
        promptText = State.PromptText;
        caption = State.CancelCaption;
    }
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(kPromptStyle));
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(kPromptExStyle));
    // The frame of the template is gone: let the window recompute its client area.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const TDlgLayout layout = ComputeLayout(geometry, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    MoveWindow(window, layout.Window.Left, layout.Window.Top, layout.Window.Width(), layout.Window.Height(), TRUE);

    {
        TLocked locked(Lock);
        State.Button.Caption = caption;
        State.Button.Rect = {0, 0, kButtonWidth, kButtonHeight};
    }
    const TRectI& b = layout.CancelButton;
    HWND button = CreateWindowExA(0, "button", "", kCancelButtonStyle, b.Left, b.Top, b.Width(), b.Height(), window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelButtonId)), State.Instance,
                                  nullptr);
    {
        TLocked locked(Lock);
        State.Button.Handle = button;
        State.Button.OldWndProc = nullptr;
    }
    if (button) {
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cancelButtonProc)));
        TLocked locked(Lock);
        State.Button.OldWndProc = previous;
    }
    {
        TLocked locked(Lock);
        State.Button.Hot = false;
        State.Button.Pressed = false;
        State.PromptLabel = makeLabel(window, layout.PromptLabel, promptText, kWhite);
        State.MarkLabel = makeLabel(window, layout.MarkLabel, "", kWhite);
        State.StatusLabel = makeLabel(window, layout.StatusLabel, "", kDarkRed);
    }
    State.KeepOnTopBusy = false;
    SetTimer(window, kKeepOnTopTimer, kKeepOnTopPeriod, nullptr);
}

// Paints from a copy of the state: drawing may load system libraries on first use, and so wait
// for the loader lock, which must never happen while this module's lock is held.
void paintPrompt(HWND window, HDC dc) {
    TPromptGeometry geometry;
    HBITMAP leftPicture;
    HBITMAP rightEdge;
    std::vector<TLabelLook> labels;
    {
        TLocked locked(Lock);
        geometry = State.Geometry;
        leftPicture = State.LeftPicture.Get();
        rightEdge = State.RightEdge.Get();
        if (window == State.Window) {  // a window on its way out shows no labels
            for (const TApiLabelEx* label : {State.PromptLabel.get(), State.StatusLabel.get(), State.MarkLabel.get()})
                if (label) labels.push_back(label->Look());
        }
    }
    const TDlgLayout layout = ComputeLayout(geometry, 0, 0);
    TMemoryDc memory(dc);
    if (memory.Get() && leftPicture) {
        TSelection selected(memory.Get(), leftPicture);
        if (selected.Selected()) {
            const TRectI& left = layout.LeftPicture;
            const TRectI& text = layout.TextArea;
            BitBlt(dc, left.Left, left.Top, left.Width(), left.Height(), memory.Get(), 0, 0, SRCCOPY);
            StretchBlt(dc, text.Left, text.Top, text.Width(), text.Height(), memory.Get(), kStretchColumn, 0, 1,
                       kWindowHeight, SRCCOPY);
        }
    }
    if (memory.Get() && rightEdge) {
        TSelection selected(memory.Get(), rightEdge);
        const TRectI& right = layout.RightEdge;
        if (selected.Selected())
            BitBlt(dc, right.Left, right.Top, right.Width(), right.Height(), memory.Get(), 0, 0, SRCCOPY);
    }
    for (const TLabelLook& label : labels) PaintLabel(dc, label);
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc) paintPrompt(window, dc);
    EndPaint(window, &paint);
}

// The button is drawn from a copy of its record too; what the drawing learns (pressed, hot) is
// written back afterwards.
template <typename Draw>
void drawButtonCopy(Draw draw) {
    TButtonInfo info;
    HBITMAP strip;
    {
        TLocked locked(Lock);
        info = State.Button;
        strip = State.ButtonStrip.Get();
    }
    draw(info, strip);
    TLocked locked(Lock);
    if (State.Button.Handle == info.Handle) {
        State.Button.Pressed = info.Pressed;
        State.Button.Hot = info.Hot;
    }
}

void onCommand(int id, int code) {
    if (code != 0 || (id != IDCANCEL && id != kCancelButtonId)) return;
    TCommandHandler handler;
    {
        TLocked locked(Lock);
        handler = State.CommandHandler;
    }
    if (handler) handler();
}

void keepOnTop(HWND window) {
    if (!IsWindow(window) || State.KeepOnTopBusy) return;
    State.KeepOnTopBusy = true;
    struct TClearBusy {
        ~TClearBusy() { State.KeepOnTopBusy = false; }
    } clearBusy;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    ForceForegroundWindow(window);
}

// Also reached twice for one close (the platform's default close handling sends a second
// WM_CLOSE), and for a window that a newer prompt has already replaced.
void onClose(HWND window) {
    bool current;
    {
        TLocked locked(Lock);
        current = State.Window == window;
        if (current) {
            State.PromptLabel.reset();
            State.MarkLabel.reset();
            State.StatusLabel.reset();
        }
    }
    if (current) {
        KillTimerSafe(window, kKeepOnTopTimer);
        HWND button;
        {
            TLocked locked(Lock);
            button = std::exchange(State.Button.Handle, nullptr);
        }
        if (button) DestroyWindow(button);
        TLocked locked(Lock);
        State.Window = nullptr;
    }
    EndDialog(window, 0);
    if (current) {
        TLocked locked(Lock);
        State.CommandHandler = nullptr;
    }
}

void onEndRequest(std::int32_t outcome) {
    TEndRequestHandler handler;
    {
        TLocked locked(Lock);
        handler = State.EndRequestHandler;
    }
    if (handler) handler(outcome);
}

INT_PTR handlePromptMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            HWND unused = nullptr;
            onInitDialog(window, lParam ? *reinterpret_cast<HWND*>(lParam) : unused);
            return TRUE;
        }
        case WM_PAINT: onPaint(window); return TRUE;
        case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        case WM_DRAWITEM:
            if (wParam == static_cast<WPARAM>(kCancelButtonId)) {
                const auto& request = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                drawButtonCopy([&](TButtonInfo& info, HBITMAP strip) { DrawButton(request, info, strip); });
                return TRUE;
            }
            break;
        case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_TIMER:
            if (wParam == kKeepOnTopTimer) {
                keepOnTop(window);
                return TRUE;
            }
            break;
        case WM_CLOSE: onClose(window); return TRUE;
        case kEndRequestMessage: onEndRequest(static_cast<std::int32_t>(wParam)); return TRUE;
        default: break;
    }
    // Everything else gets the dialog manager's default processing, which is DefWindowProcA's
    // where the dialog manager has none of its own, and whose result reaches the sender. Returning
    // DefWindowProcA's result from here instead would answer 0 through the dialog manager: the
    // prompt would refuse to be restored from minimised (WM_QUERYOPEN) and block log-off
    // (WM_QUERYENDSESSION).
    return FALSE;
}

INT_PTR CALLBACK promptProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return handlePromptMessage(window, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

void onButtonMouseMove(HWND button) {
    TTrackMouseEventFunction track;
    {
        TLocked locked(Lock);
        track = State.TrackMouse;
    }
    TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, button, 0};
    if (track) track(&request);
    drawButtonCopy([&](TButtonInfo& info, HBITMAP strip) {
        if (info.Handle == button) DrawButtonHot(info, strip);
    });
}

void onButtonMouseLeave(HWND button) {
    bool wasHot;
    {
        TLocked locked(Lock);
        wasHot = State.Button.Handle == button && State.Button.Hot;
        if (wasHot) State.Button.Hot = false;
    }
    if (!wasHot) return;
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);  // drawn again at once, in its normal look
}

LRESULT CALLBACK cancelButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous;
    {
        TLocked locked(Lock);
        previous = State.Button.OldWndProc;
    }
    try {
        switch (message) {
            case WM_KEYUP:
                if (wParam == VK_ESCAPE) SendMessageA(GetParent(button), WM_CLOSE, 0, 0);
                break;
            case WM_MOUSEMOVE: onButtonMouseMove(button); break;
            case WM_MOUSELEAVE: onButtonMouseLeave(button); break;
            default: break;
        }
    } catch (...) {
    }
    // Escape closes the window and destroys the button: nothing is left to pass the message to.
    if (!IsWindow(button)) return 0;
    return previous ? CallWindowProcA(previous, button, message, wParam, lParam)
                    : DefWindowProcA(button, message, wParam, lParam);
}

void CALLBACK mouseLeaveTick(HWND window, UINT, UINT_PTR timerId, DWORD) {
    POINT cursor{};
    RECT bounds{};
    if (GetCursorPos(&cursor) && GetWindowRect(window, &bounds) && PtInRect(&bounds, cursor) &&
        WindowFromPoint(cursor) == window)
        return;
    KillTimerSafe(window, timerId);
    PostMessageA(window, WM_MOUSELEAVE, 0, 0);
}

}  // namespace

void InitDlgModule(HINSTANCE instance) {
    TLocked locked(Lock);
    State.Instance = instance;
    platform::win32::Win32System system;
    if (!system.getVersion(State.Version)) State.Version = {};
}

void FinishDlgModule(bool unloading) {
    if (!unloading) return;  // the process ends: the system takes back what is left
    TLocked locked(Lock);
    State.LeftPicture.Reset();
    State.RightEdge.Reset();
    State.ButtonStrip.Reset();
    if (State.User32) FreeLibrary(State.User32);
    State.User32 = nullptr;
    State.TrackMouse = nullptr;
    State.PromptText.clear();
    State.CancelCaption.clear();
    State.Button.Caption.clear();
}

void ShowDlg(const TPromptGeometry& geometry, const std::string& promptText, const std::string& cancelCaption) {
    {
        TLocked locked(Lock);
        if (isOpenLocked() || State.Starting) return;
        State.Geometry = geometry;
        State.PromptText = promptText;
        State.CancelCaption = cancelCaption;
        State.Starting = true;
    }
    prepareResources();
    warmUpTextDrawing();
    HWND own = nullptr;
    DialogBoxParamA(State.Instance, MAKEINTRESOURCEA(kPromptTemplateId), nullptr, &promptProc,
                    reinterpret_cast<LPARAM>(&own));
    TLocked locked(Lock);
    if (!own) State.Starting = false;  // the window never came up
    if (own && State.Window == own) State.Window = nullptr;
}

void CloseDlg() {
    HWND window;
    {
        TLocked locked(Lock);
        window = State.Window;
    }
    if (window) SendMessageA(window, WM_CLOSE, 0, 0);
}

bool IsDlgOpen() {
    TLocked locked(Lock);
    return isOpenLocked();
}

DWORD DlgThreadId() {
    TLocked locked(Lock);
    return isOpenLocked() ? GetWindowThreadProcessId(State.Window, nullptr) : 0;
}

void SetCommandHandler(TCommandHandler handler) {
    TLocked locked(Lock);
    State.CommandHandler = handler;
}

void SetEndRequestHandler(TEndRequestHandler handler) {
    TLocked locked(Lock);
    State.EndRequestHandler = handler;
}

bool PostEndRequest(std::int32_t outcome) {
    TLocked locked(Lock);
    return isOpenLocked() &&
           PostMessageA(State.Window, kEndRequestMessage, static_cast<WPARAM>(outcome), 0) != FALSE;
}

bool UpdateLabels(const std::function<void(TPromptLabels&)>& change) {
    TLocked locked(Lock);
    if (!State.PromptLabel || !State.MarkLabel || !State.StatusLabel) return false;
    TPromptLabels labels{*State.PromptLabel, *State.MarkLabel, *State.StatusLabel};
    change(labels);
    return true;
}

void DisableCancelButton() {
    HWND button;
    {
        TLocked locked(Lock);
        button = State.Button.Handle;
    }
    // EnableWindow sends WM_ENABLE to the button's thread, so never under the lock.
    if (button) EnableWindow(button, FALSE);
}

bool ForceForegroundWindow(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    if (GetForegroundWindow() == window) return true;
    if (HasForegroundLock(State.Version)) {
        const DWORD ownThread = GetWindowThreadProcessId(window, nullptr);
        const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
        if (AttachThreadInput(ownThread, foregroundThread, TRUE)) {
            BringWindowToTop(window);
            SetForegroundWindow(window);
            AttachThreadInput(ownThread, foregroundThread, FALSE);
        }
        if (GetForegroundWindow() != window) {
            DWORD lockTimeout = 0;
            SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &lockTimeout, 0);
            SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
            BringWindowToTop(window);
            SetForegroundWindow(window);
            SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                                  reinterpret_cast<PVOID>(static_cast<UINT_PTR>(lockTimeout)), SPIF_SENDCHANGE);
        }
    } else {
        BringWindowToTop(window);
        SetForegroundWindow(window);
    }
    return GetForegroundWindow() == window;
}

bool KillTimerSafe(HWND window, UINT_PTR timerId) {
    if (!KillTimer(window, timerId)) return false;
    // A tick already queued would otherwise still arrive after the timer is gone.
    MSG waiting;
    if (PeekMessageA(&waiting, window, WM_TIMER, WM_TIMER, PM_NOREMOVE) && waiting.wParam == timerId)
        PeekMessageA(&waiting, window, WM_TIMER, WM_TIMER, PM_REMOVE);
    return true;
}

BOOL WINAPI MouseLeaveEmulation(LPTRACKMOUSEEVENT request) {
    if (!request || request->cbSize < sizeof(TRACKMOUSEEVENT) || !IsWindow(request->hwndTrack) ||
        !(request->dwFlags & TME_LEAVE))
        return FALSE;
    if (!SetTimer(request->hwndTrack, request->dwFlags, kMouseLeavePeriod, &mouseLeaveTick)) {
        MessageBeep(0);
        return FALSE;
    }
    return TRUE;
}

}  // namespace pinview
