#pragma once
#include <deque>
#include <vector>

#include "../Dialogs.h"

namespace platform::sim {

// Answers message boxes and file dialogs from a script and remembers what was asked.
// An unscripted message box is answered No for YesNo questions and Ok/Cancel otherwise.
class SimDialogs : public Dialogs {
public:
    MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;

    struct Shown {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
    };
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> fileChoices;  // nullopt: cancelled
    std::vector<Shown> shown;
    std::vector<OpenFileRequest> fileRequests;
};

}  // namespace platform::sim
