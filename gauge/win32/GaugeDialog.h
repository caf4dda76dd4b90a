#pragma once
// The main window (dialog 102): the message area, the language button, OK and the logo. Turns
// window messages into calls on the session and the session's results into control texts.
#include "GaugeSession.h"
#include "platform/win32/Dialog.h"

namespace gauge::win32 {

class GaugeDialog : public platform::win32::Dialog, private GaugeView {
public:
    GaugeDialog(HINSTANCE instance, GaugePorts ports);

    GaugeSession& session() { return session_; }
    HICON icon() const { return icon_; }

protected:
    BOOL onInitDialog() override;
    bool onCommand(int id, int code) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // GaugeView
    void languageChanged(Language language) override;
    void textChanged(const std::string& text) override;

    GaugeSession session_;
    HICON icon_ = nullptr;  // a resource icon: the system frees it with the program
};

}  // namespace gauge::win32
