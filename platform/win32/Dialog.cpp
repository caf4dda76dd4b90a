#include "Dialog.h"

namespace platform::win32 {
namespace {

// Messages whose answer a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool returnsDirectly(UINT message) {
    return message == WM_QUERYDRAGICON || message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
           message == WM_CHARTOITEM || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

}  // namespace

INT_PTR Dialog::runModal(HWND owner) {
    modeless_ = false;
    return DialogBoxParamA(instance_, MAKEINTRESOURCEA(resourceId_), owner, &Dialog::procedure,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless(HWND owner) {
    modeless_ = true;
    return CreateDialogParamA(instance_, MAKEINTRESOURCEA(resourceId_), owner, &Dialog::procedure,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::end(INT_PTR result) {
    if (!hwnd_) return;
    if (modeless_) {
        DestroyWindow(hwnd_);
    } else {
        EndDialog(hwnd_, result);
    }
}

INT_PTR CALLBACK Dialog::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    try {
        result = self->dispatch(message, wParam, lParam);
    } catch (...) {
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog();
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (onCommand(id, code)) return TRUE;
            if (id == IDOK || id == IDCANCEL) {
                end(id);
                return TRUE;
            }
            return FALSE;
        }
        default: {
            INT_PTR result = FALSE;
            if (onMessage(message, wParam, lParam, result)) {
                if (returnsDirectly(message)) return result;
                SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
                return TRUE;
            }
            return FALSE;
        }
    }
}

}  // namespace platform::win32
