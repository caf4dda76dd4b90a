#pragma once
// A dialog bound to a dialog resource: the static procedure stores `this` and forwards each
// message to a small virtual handler. No exception leaves the procedure.
#include <windows.h>

namespace platform::win32 {

class Dialog {
public:
    Dialog(HINSTANCE instance, int resourceId) : instance_(instance), resourceId_(resourceId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog modally; returns the result given to end().
    INT_PTR runModal(HWND owner);
    // Creates the dialog without a modal loop; its initialisation has run when this returns.
    HWND createModeless(HWND owner);
    // Ends a modal dialog, or destroys a modeless one, with the given result.
    void end(INT_PTR result);

    HWND hwnd() const { return hwnd_; }
    HINSTANCE instance() const { return instance_; }

protected:
    virtual BOOL onInitDialog() { return TRUE; }
    // A control notification or menu command; true when handled.
    virtual bool onCommand(int /*id*/, int /*code*/) { return false; }
    // Any other message; return true and set `result` when handled.
    virtual bool onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
        return false;
    }

private:
    static INT_PTR CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    int resourceId_;
    HWND hwnd_ = nullptr;
    bool modeless_ = false;
};

}  // namespace platform::win32
