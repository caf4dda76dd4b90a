#pragma once
// Message boxes and the standard Open-file dialog, owned by the program's current main window.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class MessageButtons { Ok, YesNo, OkCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

struct OpenFileRequest {
    std::string initialFileName;
    std::string defaultExtension;
    std::string filter;  // the single filter text
    bool overwritePrompt = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    // The chosen full path, or nullopt when cancelled.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
};

}  // namespace platform
