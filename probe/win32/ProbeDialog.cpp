#include "ProbeDialog.h"

#include "AboutDialog.h"
#include "ProbeTexts.h"
#include "platform/win32/WindowChrome.h"
#include "resources/ProbeResources.h"

namespace probe::win32 {

ProbeDialog::ProbeDialog(HINSTANCE instance, platform::win32::Win32Platform& machine)
    : Dialog(instance, IDD_PROBE_DIALOG), machine_(machine), session_(machine.platform(), *this) {
    icon_ = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROBE));
    session_.state.protocol.setView(this);
}

ProbeDialog::~ProbeDialog() {
    session_.state.protocol.setView(nullptr);
    machine_.dialogs.setOwner(nullptr);
}

HWND ProbeDialog::list() const { return GetDlgItem(hwnd(), IDC_PROTOCOL_LIST); }

BOOL ProbeDialog::onInitDialog() {
    machine_.dialogs.setOwner(hwnd());
    const std::string programFile = machine_.system.moduleFileName(MAX_PATH);
    versionText_ = aboutVersionText(machine_.files, programFile).value_or(std::string());

    platform::win32::appendAboutToSystemMenu(hwnd(), instance(), IDS_ABOUTBOX, IDM_ABOUTBOX);
    platform::win32::setWindowIcons(hwnd(), icon_);
    applyLanguage(session_.state.language);
    session_.initialise();
    return TRUE;
}

bool ProbeDialog::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_TEST_BUTTON: session_.onInstallationTest(); return true;
        case IDC_LANGUAGE_BUTTON: session_.onLanguageSwitch(); return true;
        default: return false;
    }
}

bool ProbeDialog::onMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
                showAbout();
                result = 0;
                return true;
            }
            return false;
        case WM_PAINT: return paintMinimised();
        case WM_QUERYDRAGICON: result = reinterpret_cast<INT_PTR>(icon_); return true;
        default: return false;
    }
}

bool ProbeDialog::paintMinimised() { return platform::win32::paintIconWhenMinimised(hwnd(), icon_); }

void ProbeDialog::showAbout() {
    AboutDialog about(instance(), versionText_);
    about.runModal(hwnd());
}

void ProbeDialog::repaintNow() {
    if (!hwnd()) return;
    InvalidateRect(hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd());
}

int ProbeDialog::measureTextWidth(const std::string& text) {
    HWND box = list();
    HDC dc = GetDC(box);
    if (!dc) return 0;
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(box, dc);
    return size.cx;
}

void ProbeDialog::closeWithOk() { end(IDOK); }

void ProbeDialog::applyLanguage(Language language) {
    SetWindowTextA(hwnd(), texts::kWindowTitle.in(language));
    SetDlgItemTextA(hwnd(), IDC_LANGUAGE_BUTTON, texts::kLanguageButton.in(language));
}

void ProbeDialog::lineAdded(const std::string& line) {
    SendMessageA(list(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void ProbeDialog::cleared() { SendMessageA(list(), LB_RESETCONTENT, 0, 0); }

void ProbeDialog::lineSelected(std::size_t index) { SendMessageA(list(), LB_SETCURSEL, index, 0); }

void ProbeDialog::horizontalExtentSet(int pixels) { SendMessageA(list(), LB_SETHORIZONTALEXTENT, pixels, 0); }

}  // namespace probe::win32
