#pragma once
#include <windows.h>

#include "../Dialogs.h"

namespace platform::win32 {

// Message boxes and the Open-file dialog, owned by the window given with setOwner.
class Win32Dialogs : public Dialogs {
public:
    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;

    void setOwner(HWND owner) { owner_ = owner; }

private:
    HWND owner_ = nullptr;
};

}  // namespace platform::win32
