#include "GaugeSession.h"

namespace gauge {

bool callsForNewCheck(std::uintptr_t deviceEvent) {
    return deviceEvent == kDeviceArrival || deviceEvent == kDeviceRemoveComplete || deviceEvent == kDeviceNodesChanged;
}

Language languageForUser(std::uint16_t langId) {
    constexpr std::uint16_t kGermanGermany = 0x0407;
    return langId == kGermanGermany ? Language::German : Language::English;
}

void GaugeSession::start() {
    resetForCheck();
    language_ = languageForUser(ports_.system.userDefaultLangId());
    view_.languageChanged(language_);
    checkAndShow();
}

void GaugeSession::switchLanguage() {
    resetForCheck();
    language_ = language_ == Language::German ? Language::English : Language::German;
    view_.languageChanged(language_);
    checkAndShow();
}

bool GaugeSession::deviceChanged(std::uintptr_t deviceEvent) {
    if (!callsForNewCheck(deviceEvent)) return false;
    resetForCheck();
    checkAndShow();
    return true;
}

// Every check starts from no reader: marks left from the previous one would ask readers that are
// gone.
void GaugeSession::resetForCheck() {
    state_.usbReaderSeen = false;
    state_.serialReaderSeen = false;
    state_.text.set(texts::kNoReader);
}

void GaugeSession::checkAndShow() {
    runGaugeCheck(ports_, state_);
    view_.textChanged(currentText());
}

}  // namespace gauge
