// Drives the windows of a program under test from the outside, as a user would:
//   wintool wait-window TITLE [MS]    wait until a visible top-level window with that title exists
//   wintool wait-gone TITLE [MS]      wait until no such window exists
//   wintool text TITLE [ID]           print the window's (or control's) text
//   wintool lines TITLE ID            print every line of list box ID, one per line
//   wintool click TITLE ID            post a click of button ID (also answers message boxes: 6 Yes, 7 No, 1 OK)
//   wintool close TITLE               post WM_CLOSE
//   wintool syscommand TITLE CMD      post WM_SYSCOMMAND with CMD (decimal or 0x..)
//   wintool windows                   print the titles of all visible top-level windows
// Exit code 0 on success, 1 when the window or control was not found in time, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

namespace {

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK matchTitle(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(hwnd)) return TRUE;
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    if (std::string(text) == search->title) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND findWindow(const char* title) {
    Search search{title, nullptr};
    EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitWindow(const char* title, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND hwnd = findWindow(title)) return hwnd;
        if (GetTickCount() - start >= ms) return nullptr;
        Sleep(50);
    }
}

BOOL CALLBACK printTitle(HWND hwnd, LPARAM) {
    if (!IsWindowVisible(hwnd)) return TRUE;
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    if (text[0]) std::printf("%s\n", text);
    return TRUE;
}

std::string textOf(HWND hwnd) {
    const LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

int usage() {
    std::fprintf(stderr, "usage: wintool wait-window|wait-gone|text|lines|click|close|syscommand|windows ...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) return usage();
    const std::string command = argv[1];
    if (command == "windows") {
        EnumWindows(printTitle, 0);
        return 0;
    }
    if (argc < 3) return usage();
    const char* title = argv[2];
    const DWORD timeout = 20000;
    if (command == "wait-window") {
        return waitWindow(title, argc > 3 ? std::strtoul(argv[3], nullptr, 0) : timeout) ? 0 : 1;
    }
    if (command == "wait-gone") {
        const DWORD limit = argc > 3 ? std::strtoul(argv[3], nullptr, 0) : timeout;
        const DWORD start = GetTickCount();
        while (findWindow(title)) {
            if (GetTickCount() - start >= limit) return 1;
            Sleep(50);
        }
        return 0;
    }
    HWND window = waitWindow(title, timeout);
    if (!window) {
        std::fprintf(stderr, "wintool: no window \"%s\"\n", title);
        return 1;
    }
    const int id = argc > 3 ? static_cast<int>(std::strtol(argv[3], nullptr, 0)) : 0;
    HWND control = id ? GetDlgItem(window, id) : window;
    if (!control) {
        std::fprintf(stderr, "wintool: no control %d in \"%s\"\n", id, title);
        return 1;
    }
    if (command == "text") {
        std::printf("%s\n", textOf(control).c_str());
    } else if (command == "lines") {
        // Asked in UTF-16 and turned into the ANSI code page here: across processes Wine hands
        // an ANSI caller's LB_GETTEXT buffer back in UTF-16, twice the size it announced.
        const LRESULT count = SendMessageW(control, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            const LRESULT length = SendMessageW(control, LB_GETTEXTLEN, i, 0);
            std::vector<wchar_t> wide(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
            SendMessageW(control, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
            std::vector<char> line(wide.size() * 2 + 1, '\0');
            WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, line.data(), static_cast<int>(line.size()), nullptr,
                                nullptr);
            std::printf("%s\n", line.data());
        }
    } else if (command == "click") {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    } else if (command == "close") {
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else if (command == "syscommand") {
        PostMessageA(window, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0);
    } else {
        return usage();
    }
    return 0;
}
