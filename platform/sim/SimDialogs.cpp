#include "SimDialogs.h"

namespace platform::sim {

MessageAnswer SimDialogs::messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                                     MessageIcon icon) {
    shown.push_back({text, caption, buttons, icon});
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (buttons) {
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::Ok: return MessageAnswer::Ok;
        default: return MessageAnswer::Cancel;
    }
}

std::optional<std::string> SimDialogs::openFile(const OpenFileRequest& request) {
    fileRequests.push_back(request);
    if (fileChoices.empty()) return std::nullopt;
    auto choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

}  // namespace platform::sim
