#include "GaugeDialog.h"

#include "resources/GaugeResources.h"
#include "platform/win32/WindowChrome.h"

namespace gauge::win32 {

GaugeDialog::GaugeDialog(HINSTANCE instance, GaugePorts ports)
    : Dialog(instance, IDD_GAUGE_DIALOG), session_(ports, *this) {
    icon_ = LoadIconA(instance, MAKEINTRESOURCEA(IDI_GAUGE));
}

BOOL GaugeDialog::onInitDialog() {
    platform::win32::appendAboutToSystemMenu(hwnd(), instance(), IDS_GAUGE_ABOUTBOX, IDM_GAUGE_ABOUTBOX);
    platform::win32::setWindowIcons(hwnd(), icon_);
    session_.start();
    return TRUE;
}

bool GaugeDialog::onCommand(int id, int code) {
    if (id != IDC_GAUGE_LANGUAGE || code != BN_CLICKED) return false;
    session_.switchLanguage();
    return true;
}

bool GaugeDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_DEVICECHANGE:
            session_.deviceChanged(wParam);
            // Whether checked or not, the event still gets its default answer (for example the
            // permission to remove a device).
            result = DefWindowProcA(hwnd(), message, wParam, lParam);
            return true;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != IDM_GAUGE_ABOUTBOX) return false;
            {
                platform::win32::Dialog about(instance(), IDD_GAUGE_ABOUTBOX);
                about.runModal(hwnd());
            }
            result = 0;
            return true;
        case WM_PAINT: return platform::win32::paintIconWhenMinimised(hwnd(), icon_);
        case WM_QUERYDRAGICON: result = reinterpret_cast<INT_PTR>(icon_); return true;
        default: return false;
    }
}

void GaugeDialog::languageChanged(Language language) {
    SetWindowTextA(hwnd(), texts::kWindowTitle.in(language));
    SetDlgItemTextA(hwnd(), IDC_GAUGE_LANGUAGE, texts::kLanguageButton.in(language));
}

void GaugeDialog::textChanged(const std::string& text) { SetDlgItemTextA(hwnd(), IDC_GAUGE_MESSAGE, text.c_str()); }

}  // namespace gauge::win32
