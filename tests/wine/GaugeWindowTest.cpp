// Romgauge's window under Wine: the layout of dialog 102, its texts in both languages, the About
// box, and the new check after a device change, with the reader service simulated in-process so
// that a test can change the readers between two messages.
#include <windows.h>
#include <dbt.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "GaugeDialog.h"
#include "platform/sim/SimSmartCard.h"
#include "platform/sim/SimSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"
#include "probe/reader/VendorRequests.h"
#include "resources/GaugeResources.h"

namespace {

const std::string kUsbReader = "Kavrin Inc. TKx60 USB Smart Card Reader 0";
const char* const kEnglishTitle = "Checks the firmware version of the TK560 readers";
const char* const kGermanTitle = "Überprüfung der Firmwareversion der TK560 Leser";

std::string textOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string firmwareBytes(std::uint8_t major, std::uint8_t minor) {
    return std::string{0, 0, 0, 0, 2, 3, char(major), char(minor), 0, 0, 0, 0};
}

class GaugeWindow : public ::testing::Test {
protected:
    void TearDown() override {
        if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
        dialog_.reset();
    }
    void open(std::uint16_t langId = 0x0409, platform::SystemInfo* system = nullptr) {
        system_.langId = langId;
        dialog_ = std::make_unique<gauge::win32::GaugeDialog>(
            GetModuleHandleA(nullptr), gauge::GaugePorts{card_, registry_, system ? *system : system_});
        hwnd_ = dialog_->createModeless(nullptr);
        ASSERT_TRUE(hwnd_);
    }
    void addUsbReader(std::uint8_t major, std::uint8_t minor) {
        card_.addReader(kUsbReader).replies[cardreader::kVersionRequestCode] = {0, firmwareBytes(major, minor), {}};
    }
    std::string message() const { return textOf(GetDlgItem(hwnd_, IDC_GAUGE_MESSAGE)); }
    std::string languageButton() const { return textOf(GetDlgItem(hwnd_, IDC_GAUGE_LANGUAGE)); }
    int contextsOpened() const {
        return static_cast<int>(std::count(card_.calls.begin(), card_.calls.end(), "SCardEstablishContext(0)"));
    }
    RECT dialogUnits(HWND dialog, int x, int y, int cx, int cy) const {
        RECT r{x, y, x + cx, y + cy};
        MapDialogRect(dialog, &r);
        return r;
    }
    static RECT placeOf(HWND dialog, HWND control) {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // The message's own result, and what default processing answers to the same message.
    std::pair<LRESULT, LRESULT> deviceChange(WPARAM event) {
        DEV_BROADCAST_HDR header{};
        header.dbch_size = sizeof header;
        header.dbch_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        const LPARAM detail = event == DBT_DEVNODES_CHANGED ? 0 : reinterpret_cast<LPARAM>(&header);
        const LRESULT result = SendMessageA(hwnd_, WM_DEVICECHANGE, event, detail);
        return {result, DefWindowProcA(hwnd_, WM_DEVICECHANGE, event, detail)};
    }

    platform::sim::SimSmartCard card_;
    platform::win32::Win32Registry registry_;
    platform::sim::SimSystem system_;  // Windows XP
    std::unique_ptr<gauge::win32::GaugeDialog> dialog_;
    HWND hwnd_ = nullptr;
};

TEST_F(GaugeWindow, LayoutMatchesTheDialogTemplate) {
    open();
    struct Control {
        int id, x, y, cx, cy;
        const char* text;
    };
    const Control controls[] = {{IDOK, 282, 52, 50, 14, "OK"},
                                {IDC_GAUGE_MESSAGE, 7, 7, 202, 59, nullptr},
                                {IDC_GAUGE_LANGUAGE, 222, 52, 50, 14, "&Deutsch"},
                                {IDC_GAUGE_LOGO, 212, 7, 120, 37, nullptr}};
    for (const Control& c : controls) {
        HWND control = GetDlgItem(hwnd_, c.id);
        ASSERT_TRUE(control) << c.id;
        const RECT expected = dialogUnits(hwnd_, c.x, c.y, c.cx, c.cy);
        const RECT actual = placeOf(hwnd_, control);
        EXPECT_EQ(expected.left, actual.left) << c.id;
        EXPECT_EQ(expected.top, actual.top) << c.id;
        EXPECT_EQ(expected.right, actual.right) << c.id;
        EXPECT_EQ(expected.bottom, actual.bottom) << c.id;
        if (c.text) {
            EXPECT_EQ(c.text, textOf(control)) << c.id;
        }
    }
    RECT client;
    GetClientRect(hwnd_, &client);
    const RECT size = dialogUnits(hwnd_, 0, 0, 340, 73);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);

    const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(hwnd_, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_EQ(SS_LEFT, GetWindowLongA(GetDlgItem(hwnd_, IDC_GAUGE_MESSAGE), GWL_STYLE) & SS_TYPEMASK);

    HWND logo = GetDlgItem(hwnd_, IDC_GAUGE_LOGO);
    EXPECT_EQ(SS_BITMAP, GetWindowLongA(logo, GWL_STYLE) & SS_TYPEMASK);
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(logo, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_TRUE(bitmap);
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(bitmap, sizeof info, &info));
    EXPECT_EQ(180, info.bmWidth);
    EXPECT_EQ(60, info.bmHeight);
}

TEST_F(GaugeWindow, LanguageButtonShowsTheOtherLanguageAfterANewCheck) {
    addUsbReader(0x05, 0x10);
    open(0x0409);
    EXPECT_EQ(kEnglishTitle, textOf(hwnd_));
    EXPECT_EQ("&Deutsch", languageButton());
    EXPECT_EQ("\nThe TK560-USB reader has the required firmware V5.10.\n", message());

    card_.reader(kUsbReader)->replies[cardreader::kVersionRequestCode].bytes = firmwareBytes(0x05, 0x09);
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDC_GAUGE_LANGUAGE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, IDC_GAUGE_LANGUAGE)));
    EXPECT_EQ(kGermanTitle, textOf(hwnd_));
    EXPECT_EQ("&English", languageButton());
    EXPECT_EQ("\nDer TK560-USB Leser hat die Firmwareversion V5.09.\nDie erforderliche Firmwareversion ist V5.10!\n",
              message());

    card_.readers.clear();
    SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDC_GAUGE_LANGUAGE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, IDC_GAUGE_LANGUAGE)));
    EXPECT_EQ(kEnglishTitle, textOf(hwnd_));
    EXPECT_EQ("&Deutsch", languageButton());
    EXPECT_EQ("\n\n\nNo TK560 reader found!", message());
    EXPECT_EQ(2 + 2 + 1, contextsOpened());  // a check that finds a reader opens a second context
}

TEST_F(GaugeWindow, StartLanguageFollowsTheUsersDefaultLanguage) {
    open(0x0407);
    EXPECT_EQ(kGermanTitle, textOf(hwnd_));
    EXPECT_EQ("&English", languageButton());
    EXPECT_EQ("\n\n\nEs ist kein TK560 Leser angeschlossen!", message());
    DestroyWindow(hwnd_);

    open(0x0C07);  // German as used in Austria
    EXPECT_EQ(kEnglishTitle, textOf(hwnd_));
    DestroyWindow(hwnd_);

    platform::win32::Win32System real;
    open(0, &real);
    EXPECT_EQ(GetUserDefaultLangID() == 0x0407 ? kGermanTitle : kEnglishTitle, textOf(hwnd_));
}

TEST_F(GaugeWindow, DeviceChangesCheckAgainAndAlwaysGetTheDefaultAnswer) {
    open(0x0407);
    EXPECT_EQ("\n\n\nEs ist kein TK560 Leser angeschlossen!", message());
    const int contextsAtStart = contextsOpened();

    addUsbReader(0x05, 0x10);
    auto [result, byDefault] = deviceChange(DBT_CONFIGCHANGED);
    EXPECT_EQ(byDefault, result);
    EXPECT_EQ("\n\n\nEs ist kein TK560 Leser angeschlossen!", message());
    EXPECT_EQ(contextsAtStart, contextsOpened());

    std::tie(result, byDefault) = deviceChange(DBT_DEVICEARRIVAL);
    EXPECT_EQ(byDefault, result);
    EXPECT_EQ("\nDer TK560-USB Leser hat die erforderliche Firmwareversion V5.10.\n", message());
    EXPECT_EQ(kGermanTitle, textOf(hwnd_));

    card_.readers.clear();
    std::tie(result, byDefault) = deviceChange(DBT_DEVICEREMOVECOMPLETE);
    EXPECT_EQ(byDefault, result);
    EXPECT_EQ("\n\n\nEs ist kein TK560 Leser angeschlossen!", message());

    addUsbReader(0x05, 0x11);
    std::tie(result, byDefault) = deviceChange(DBT_DEVNODES_CHANGED);
    EXPECT_EQ(byDefault, result);
    EXPECT_EQ("\nDer TK560-USB Leser hat die Firmwareversion V5.11.\nDie erforderliche Firmwareversion ist V5.10!\n",
              message());

    std::tie(result, byDefault) = deviceChange(DBT_DEVICEQUERYREMOVE);
    EXPECT_EQ(byDefault, result);
    EXPECT_EQ(contextsAtStart + 2 + 1 + 2, contextsOpened());  // arrival, removal, tree change
}

TEST_F(GaugeWindow, SystemMenuOpensTheAboutBox) {
    open();
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    ASSERT_TRUE(menu);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(static_cast<UINT>(IDM_GAUGE_ABOUTBOX), GetMenuItemID(menu, count - 1));
    char item[100] = {};
    GetMenuStringA(menu, count - 1, item, sizeof item, MF_BYPOSITION);
    EXPECT_STREQ("&About Romgauge...", item);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, count - 2, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    EXPECT_EQ(reinterpret_cast<LRESULT>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GAUGE))),
              SendMessageA(hwnd_, WM_QUERYDRAGICON, 0, 0));

    // The About box is modal: a helper thread reads it and closes it.
    std::atomic<bool> seen{false};
    std::string versionLine, caption;
    RECT box{}, expectedBox{}, okPlace{}, expectedOk{};
    std::thread reader([&] {
        for (int i = 0; i < 100 && !seen; ++i) {
            if (HWND about = FindWindowA("#32770", "About Romgauge")) {
                caption = textOf(about);
                for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    if (textOf(child).rfind("Romgauge Version", 0) == 0) versionLine = textOf(child);
                GetClientRect(about, &box);
                expectedBox = dialogUnits(about, 0, 0, 235, 55);
                okPlace = placeOf(about, GetDlgItem(about, IDOK));
                expectedOk = dialogUnits(about, 178, 7, 50, 14);
                seen = true;
                PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                break;
            }
            Sleep(50);
        }
    });
    SendMessageA(hwnd_, WM_SYSCOMMAND, IDM_GAUGE_ABOUTBOX, 0);
    reader.join();
    ASSERT_TRUE(seen);
    EXPECT_EQ("Romgauge Version 5.10.0.9", versionLine);
    EXPECT_EQ(expectedBox.right, box.right);
    EXPECT_EQ(expectedBox.bottom, box.bottom);
    EXPECT_EQ(expectedOk.left, okPlace.left);
    EXPECT_EQ(expectedOk.top, okPlace.top);
    EXPECT_TRUE(IsWindow(hwnd_));
}

}  // namespace
