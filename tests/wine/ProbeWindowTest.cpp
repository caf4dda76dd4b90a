// The main window under Wine: layout from the dialog resource, the run's lines in the list box,
// the language button, the system menu entry and the About line from a real version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProbeDialog.h"
#include "ProbeSession.h"
#include "resources/ProbeResources.h"

namespace {

std::string windowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::vector<std::string> listLines(HWND list) {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string line(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
        std::vector<char> buffer(line.size() + 1);
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        lines.emplace_back(buffer.data());
    }
    return lines;
}

class ProbeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "tk560-window-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
        dialog_ = std::make_unique<probe::win32::ProbeDialog>(GetModuleHandleA(nullptr), machine_);
        dialog_->session().state.interactiveMode = true;
        hwnd_ = dialog_->createModeless(nullptr);
        ASSERT_TRUE(hwnd_);
    }
    void TearDown() override {
        if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
        dialog_.reset();
        DeleteFileA((folder_ + "\\SetupProbe.log").c_str());
        SetCurrentDirectoryA("C:\\");
        RemoveDirectoryA(folder_.c_str());
    }
    void click(int id) {
        SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
    }
    // Position and size are converted separately, as the dialog manager places its controls.
    RECT dialogUnits(int x, int y, int cx, int cy) {
        RECT r{x, y, cx, cy};
        MapDialogRect(hwnd_, &r);
        return RECT{r.left, r.top, r.left + r.right, r.top + r.bottom};
    }
    RECT clientRectOf(int id) {
        RECT r;
        HWND control = GetDlgItem(hwnd_, id);
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    platform::win32::Win32Platform machine_;
    std::unique_ptr<probe::win32::ProbeDialog> dialog_;
    HWND hwnd_ = nullptr;
    std::string folder_;
};

TEST_F(ProbeWindow, LayoutMatchesTheDialogResource) {
    struct Control {
        int id, x, y, cx, cy;
        const char* text;
    };
    const Control controls[] = {{IDC_PROTOCOL_LIST, 15, 16, 296, 149, nullptr},
                                {IDC_TEST_BUTTON, 15, 175, 78, 15, "&Installation Test"},
                                {IDC_LANGUAGE_BUTTON, 124, 175, 78, 15, "&Deutsch"},
                                {IDOK, 233, 175, 78, 15, "&Close"}};
    for (const Control& c : controls) {
        const RECT expected = dialogUnits(c.x, c.y, c.cx, c.cy);
        const RECT actual = clientRectOf(c.id);
        EXPECT_EQ(expected.left, actual.left) << c.id;
        EXPECT_EQ(expected.top, actual.top) << c.id;
        EXPECT_EQ(expected.right, actual.right) << c.id;
        EXPECT_EQ(expected.bottom, actual.bottom) << c.id;
        if (c.text) {
            EXPECT_EQ(c.text, windowText(GetDlgItem(hwnd_, c.id)));
        }
    }
    RECT client;
    GetClientRect(hwnd_, &client);
    const RECT size = dialogUnits(0, 0, 328, 203);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);

    const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    const LONG listStyle = GetWindowLongA(GetDlgItem(hwnd_, IDC_PROTOCOL_LIST), GWL_STYLE);
    EXPECT_TRUE(listStyle & LBS_NOTIFY);
    EXPECT_TRUE(listStyle & LBS_NOINTEGRALHEIGHT);
    // The scroll bar styles come and go with the content: the list box drops them while nothing scrolls.
    EXPECT_FALSE(listStyle & LBS_SORT);
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(hwnd_, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(ProbeWindow, FirstRunFillsTheListBeforeTheWindowShows) {
    EXPECT_EQ("Installation check tool", windowText(hwnd_));
    const auto lines = listLines(GetDlgItem(hwnd_, IDC_PROTOCOL_LIST));
    EXPECT_EQ(dialog_->session().state.protocol.lines(), lines);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ("The protocol is stored in:", lines[lines.size() - 2]);
    EXPECT_EQ("    " + folder_ + "\\SetupProbe.log", lines.back());
    EXPECT_GT(SendMessageA(GetDlgItem(hwnd_, IDC_PROTOCOL_LIST), LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

TEST_F(ProbeWindow, LanguageButtonRepeatsTheRunInTheOtherLanguage) {
    click(IDC_LANGUAGE_BUTTON);
    EXPECT_EQ("Installationcheck-Programm", windowText(hwnd_));
    EXPECT_EQ("&English", windowText(GetDlgItem(hwnd_, IDC_LANGUAGE_BUTTON)));
    auto lines = listLines(GetDlgItem(hwnd_, IDC_PROTOCOL_LIST));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ("Ergebnis:", lines[lines.size() - 5]);
    EXPECT_EQ("Das Protokoll wurde gespeichert als:", lines[lines.size() - 2]);

    click(IDC_TEST_BUTTON);
    EXPECT_EQ(lines, listLines(GetDlgItem(hwnd_, IDC_PROTOCOL_LIST)));  // cleared, same run again
    click(IDC_LANGUAGE_BUTTON);
    lines = listLines(GetDlgItem(hwnd_, IDC_PROTOCOL_LIST));
    EXPECT_EQ("Result:", lines[lines.size() - 5]);
    EXPECT_EQ("&Deutsch", windowText(GetDlgItem(hwnd_, IDC_LANGUAGE_BUTTON)));
}

TEST_F(ProbeWindow, SystemMenuOffersTheAboutBox) {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    ASSERT_TRUE(menu);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(menu, count - 1));
    char text[100] = {};
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&About SetupProbe...", text);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, count - 2, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    EXPECT_EQ(reinterpret_cast<LRESULT>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROBE))),
              SendMessageA(hwnd_, WM_QUERYDRAGICON, 0, 0));
}

TEST(ProbeAbout, VersionLineFromTheProgramsOwnVersionResource) {
    platform::win32::Win32Platform machine;
    const auto text = probe::aboutVersionText(machine.files, machine.system.moduleFileName(MAX_PATH));
    ASSERT_TRUE(text);
    EXPECT_EQ("TK560Probe Version 1.19.00.01", *text);
}

}  // namespace
