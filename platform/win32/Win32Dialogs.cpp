#include "Win32Dialogs.h"

#include <commdlg.h>

#include <vector>

namespace platform::win32 {

MessageAnswer Win32Dialogs::messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                                       MessageIcon icon) {
    UINT style = 0;
    switch (buttons) {
        case MessageButtons::Ok: style |= MB_OK; break;
        case MessageButtons::YesNo: style |= MB_YESNO; break;
        case MessageButtons::OkCancel: style |= MB_OKCANCEL; break;
        case MessageButtons::RetryCancel: style |= MB_RETRYCANCEL; break;
    }
    switch (icon) {
        case MessageIcon::None: break;
        case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
        case MessageIcon::Warning: style |= MB_ICONWARNING; break;
        case MessageIcon::Error: style |= MB_ICONERROR; break;
        case MessageIcon::Question: style |= MB_ICONQUESTION; break;
    }
    switch (MessageBoxA(owner_, text.c_str(), caption.c_str(), style)) {
        case IDYES: return MessageAnswer::Yes;
        case IDNO: return MessageAnswer::No;
        case IDOK: return MessageAnswer::Ok;
        case IDRETRY: return MessageAnswer::Retry;
        default: return MessageAnswer::Cancel;
    }
}

std::optional<std::string> Win32Dialogs::openFile(const OpenFileRequest& request) {
    char path[MAX_PATH] = {};
    lstrcpynA(path, request.initialFileName.c_str(), MAX_PATH);
    // The filter is given as description and pattern alike, each NUL-terminated, list double-NUL-terminated.
    std::vector<char> filter;
    for (int i = 0; i < 2; ++i) {
        filter.insert(filter.end(), request.filter.begin(), request.filter.end());
        filter.push_back('\0');
    }
    filter.push_back('\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = filter.data();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = request.defaultExtension.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | (request.overwritePrompt ? OFN_OVERWRITEPROMPT : 0);
    if (!GetOpenFileNameA(&ofn)) return std::nullopt;
    return std::string(path);
}

}  // namespace platform::win32
