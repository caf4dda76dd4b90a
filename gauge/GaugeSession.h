#pragma once
// What the firmware check tool's window does, without the window: the language, the reset before
// every check, and which device changes call for a new check.
#include <cstdint>
#include <string>

#include "GaugeCheck.h"

namespace gauge {

// Device-change events (the wParam of WM_DEVICECHANGE) after which the readers are checked again.
inline constexpr std::uintptr_t kDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
inline constexpr std::uintptr_t kDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE
inline constexpr std::uintptr_t kDeviceNodesChanged = 0x0007;    // DBT_DEVNODES_CHANGED

bool callsForNewCheck(std::uintptr_t deviceEvent);

// German only for German as used in Germany (0x0407); every other language, Austrian and Swiss
// German included, gets English.
Language languageForUser(std::uint16_t langId);

// The window's side: it shows what the session decides.
class GaugeView {
public:
    virtual ~GaugeView() = default;
    // Title and language button for the language now in use.
    virtual void languageChanged(Language language) = 0;
    // The message area's text.
    virtual void textChanged(const std::string& text) = 0;
};

class GaugeSession {
public:
    GaugeSession(GaugePorts ports, GaugeView& view) : ports_(ports), view_(view) {}
    GaugeSession(const GaugeSession&) = delete;
    GaugeSession& operator=(const GaugeSession&) = delete;

    // The window's initialisation: language from the user's default, then the first check.
    void start();
    // The language button: the other language, and the readers are checked anew.
    void switchLanguage();
    // True when the event called for a new check, which has then run in the current language.
    bool deviceChanged(std::uintptr_t deviceEvent);

    Language language() const { return language_; }
    const GaugeState& state() const { return state_; }
    const std::string& currentText() const { return state_.text.in(language_); }

private:
    void resetForCheck();
    void checkAndShow();

    GaugePorts ports_;
    GaugeView& view_;
    Language language_ = Language::English;
    GaugeState state_;
};

}  // namespace gauge
