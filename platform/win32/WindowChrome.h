#pragma once
// The parts every main dialog of the tools shares: the About entry in the system menu, the
// window's icons, and the icon painted in place of the dialog while it is minimised.
#include <windows.h>

namespace platform::win32 {

// Appends a separator and the About item only when the window has a system menu and the string
// resource is not empty.
inline void appendAboutToSystemMenu(HWND window, HINSTANCE instance, UINT stringId, UINT commandId) {
    char text[256] = {};
    LoadStringA(instance, stringId, text, sizeof text);
    if (text[0] == '\0') return;
    if (HMENU menu = GetSystemMenu(window, FALSE)) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, commandId, text);
    }
}

inline void setWindowIcons(HWND window, HICON icon) {
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

// Paints the icon centred in the client area of a minimised window. False when the window is
// not minimised: its ordinary painting is then left to the default handling.
inline bool paintIconWhenMinimised(HWND window, HICON icon) {
    if (!IsIconic(window)) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(window, &client);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (client.right - client.left - cx + 1) / 2, (client.bottom - client.top - cy + 1) / 2, icon);
    EndPaint(window, &ps);
    return true;
}

}  // namespace platform::win32
