#include "PinviewRules.h"

#include "PinviewLng.h"

namespace pinview {

TKeyEffect KeyEventEffect(std::int32_t event, const std::string& currentMarks) {
    TKeyEffect effect;
    switch (event) {
        case 1: effect.Marks = currentMarks + "."; break;
        case 2: effect.Marks = std::string(); break;
        case 8: effect.Marks = currentMarks.empty() ? currentMarks : currentMarks.substr(0, currentMarks.size() - 1); break;
        case 16:
        case 17:
            effect.Marks = std::string();
            effect.PromptTextId = event == 16 ? TXT_NEW_PIN : TXT_CONFIRM_PIN;
            effect.ClearStatus = true;
            break;
        default: break;
    }
    return effect;
}

std::optional<TOutcomeStatus> OutcomeStatus(std::int32_t outcome) {
    switch (outcome) {
        case 1: return TOutcomeStatus{TXT_END_CANCEL, kDarkRed};
        case 2: return TOutcomeStatus{TXT_END_TIEMOUT, kDarkRed};
        case 3: return TOutcomeStatus{TXT_PIN_OK, kBlack};
        case 4: return TOutcomeStatus{TXT_PIN_ERROR, kDarkRed};
        case 5: return TOutcomeStatus{TXT_PIN_NO_MATCH, kDarkRed};
        default: return std::nullopt;
    }
}

std::optional<std::string> ChooseWindowStation(const std::string& currentName,
                                               const std::optional<std::string>& wanted) {
    // The non-interactive station of services that run as the local system account.
    static const std::string kServiceStation = "Service-0x0-3e7$";
    if (currentName == wanted.value_or(std::string())) return std::nullopt;
    if (wanted) return wanted;
    if (currentName == kServiceStation) return std::string("WinSta0");
    return std::nullopt;
}

std::string StationNameFromBuffer(const char* buffer, std::size_t size) {
    std::string name(buffer, size);
    while (!name.empty() && name.back() == '\0') name.pop_back();
    return name;
}

}  // namespace pinview
