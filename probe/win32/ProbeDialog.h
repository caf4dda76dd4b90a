#pragma once
// The main window (dialog 102): the protocol list, the test and language buttons and Close.
#include <memory>
#include <string>

#include "ProbeSession.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Win32Platform.h"

namespace probe::win32 {

class ProbeDialog : public platform::win32::Dialog, private ProbeView, private ProtocolView {
public:
    ProbeDialog(HINSTANCE instance, platform::win32::Win32Platform& machine);
    ~ProbeDialog() override;

    ProbeSession& session() { return session_; }

protected:
    BOOL onInitDialog() override;
    bool onCommand(int id, int code) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // ProbeView
    void repaintNow() override;
    int measureTextWidth(const std::string& text) override;
    void closeWithOk() override;
    void applyLanguage(Language language) override;
    // ProtocolView
    void lineAdded(const std::string& line) override;
    void cleared() override;
    void lineSelected(std::size_t index) override;
    void horizontalExtentSet(int pixels) override;

    void showAbout();
    bool paintMinimised();
    HWND list() const;

    platform::win32::Win32Platform& machine_;
    ProbeSession session_;
    HICON icon_ = nullptr;
    std::string versionText_;
};

}  // namespace probe::win32
