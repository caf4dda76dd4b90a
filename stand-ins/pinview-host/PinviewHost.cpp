// A host for Pinview.dll as the PIN-entry component drives it: the prompt runs on thread A, this
// program's main thread (B) and helpers report key events and end it. Checks what a host sees
// (results, timing, window geometry and styles, the callback and its thread, what is painted) and
// keeps pictures of the prompt's looks as BMP files.
//
//   PinviewHost.exe <path of Pinview.dll> [folder for the pictures]
//
// Exit code 0 when every check passed.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "HostCapture.h"
#include "Pinview.h"

namespace {

int failures = 0;

void check(bool ok, const char* what) {
    std::printf("%s - %s\n", ok ? "ok  " : "FAIL", what);
    std::fflush(stdout);
    if (!ok) ++failures;
}

// Paths given as Unix paths (as the build passes them) are reached through drive Z:.
std::string windowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void makeFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

// Waits for a condition, looking every 10 ms; false when it did not come true in time.
bool waitFor(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= milliseconds) return false;
        Sleep(10);
    }
}

struct Api {
    HMODULE Module = nullptr;
    StartDlgFunction StartDlg = nullptr;
    StartDlgExFunction StartDlgEx = nullptr;
    EndDlgFunction EndDlg = nullptr;
    OnKeyPressedFunction OnKeyPressed = nullptr;
};
Api api;

template <typename T>
T entry(HMODULE module, const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// What the callback saw.
struct CallbackLog {
    std::atomic<int> Calls{0};
    std::atomic<int> LastReason{0};
    std::atomic<DWORD> Thread{0};
    std::atomic<HDESK> Desktop{nullptr};
    std::atomic<bool> ButtonEnabledDuringCall{true};
    std::atomic<HWND> Button{nullptr};
    std::atomic<int> EndInside{0};  // outcome to end the prompt with from inside the callback; 0: none
    std::atomic<int> EndInsideResult{-1};
    std::atomic<DWORD> EndInsideTime{0};
};
CallbackLog logA;
CallbackLog logB;

void record(CallbackLog& log, int32_t reason) {
    log.Thread = GetCurrentThreadId();
    log.Desktop = GetThreadDesktop(GetCurrentThreadId());
    log.LastReason = reason;
    if (HWND button = log.Button) log.ButtonEnabledDuringCall = IsWindowEnabled(button) != FALSE;
    if (const int outcome = log.EndInside.exchange(0)) {
        const DWORD start = GetTickCount();
        log.EndInsideResult = api.EndDlg(outcome);
        log.EndInsideTime = GetTickCount() - start;
    }
    ++log.Calls;
}

void PINVIEW_CALL callbackA(int32_t reason) { record(logA, reason); }
void PINVIEW_CALL callbackB(int32_t reason) { record(logB, reason); }

// One prompt on its own thread (thread A).
struct PromptRun {
    const TDlgParams* Params = nullptr;
    bool Extended = false;
    int32_t Mode = 1;
    PromptCallback Callback = nullptr;
    DWORD Thread = 0;
    HDESK DesktopBefore = nullptr;
    std::atomic<int32_t> Result{-1};
    HANDLE Handle = nullptr;

    static DWORD WINAPI Main(LPVOID self) {
        auto* run = static_cast<PromptRun*>(self);
        run->DesktopBefore = GetThreadDesktop(GetCurrentThreadId());
        run->Result = run->Extended ? api.StartDlgEx(run->Params, run->Mode, 0, run->Callback)
                                    : api.StartDlg(run->Mode, 0, run->Callback);
        return 0;
    }
    void Start() { Handle = CreateThread(nullptr, 0, &PromptRun::Main, this, 0, &Thread); }
    bool Finished(DWORD milliseconds) { return Handle && WaitForSingleObject(Handle, milliseconds) == WAIT_OBJECT_0; }
    ~PromptRun() {
        if (Handle) {
            WaitForSingleObject(Handle, 10000);
            CloseHandle(Handle);
        }
    }
};

bool isPromptWindow(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId() && std::string(name) == "#32770";
}

BOOL CALLBACK findVisiblePrompt(HWND window, LPARAM out) {
    if (!isPromptWindow(window) || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}

BOOL CALLBACK countPrompt(HWND window, LPARAM out) {
    if (isPromptWindow(window)) ++*reinterpret_cast<int*>(out);
    return TRUE;
}

HWND promptOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, &findVisiblePrompt, reinterpret_cast<LPARAM>(&found));
    return found;
}

int promptWindowCount() {
    int count = 0;
    EnumWindows(&countPrompt, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Starts the run on its own thread and waits for its window; null, and a failed check, when none
// comes up.
HWND openPrompt(PromptRun& run, const char* what) {
    run.Start();
    HWND window = nullptr;
    waitFor([&] { return (window = promptOf(run.Thread)) != nullptr; }, 5000);
    check(window != nullptr, what);
    return window;
}

// Has the prompt's thread paint everything pending, so that a capture shows the latest state.
void flush(HWND prompt) { RedrawWindow(prompt, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// What the prompt shows once its thread has painted and handed the pixels on: the platform may pass
// a window's pixels on a little after painting, so wait until three pictures in a row agree.
host::Image settled(HWND prompt) {
    flush(prompt);
    host::Image last = host::Capture(prompt);
    const RECT all = {0, 0, last.Width, last.Height};
    int same = 0;
    for (int i = 0; i < 40 && same < 2; ++i) {
        Sleep(25);
        host::Image next = host::Capture(prompt);
        same = next.Valid() && next.SameIn(last, all) ? same + 1 : 0;
        last = std::move(next);
    }
    return last;
}

RECT clientRectOf(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string pictures;

void keep(const host::Image& image, const char* name) {
    if (pictures.empty()) return;
    const std::string path = pictures + "\\" + name;
    if (!image.Save(path)) std::printf("     could not save %s\n", path.c_str());
}

double threadCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return -1;
    auto value = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(value(kernel) + value(user)) / 10000.0;
}

// Labels of the default layout (W = 135), in client coordinates.
// Each area keeps clear of the others: the first line of the prompt, the marks below a prompt of
// two lines, the status above the button.
const RECT kPromptArea = {165, 25, 286, 48};
const RECT kMarkArea = {165, 52, 286, 70};
const RECT kStatusArea = {165, 100, 286, 138};
const RECT kButtonArea = {193, 140, 291, 165};

// Watches a prompt that EndDlg is ending: notes the disabled button and takes a picture while the
// outcome shows.
struct EndingWatch {
    HWND Prompt = nullptr;
    bool ButtonDisabled = false;
    host::Image Picture;

    static DWORD WINAPI Main(LPVOID self) {
        auto* watch = static_cast<EndingWatch*>(self);
        HWND cancel = GetDlgItem(watch->Prompt, 5);
        waitFor([&] { return cancel && !IsWindowEnabled(cancel); }, 1500);
        watch->ButtonDisabled = cancel && !IsWindowEnabled(cancel);
        Sleep(500);  // well inside the two seconds of the outcome's display
        watch->Picture = settled(watch->Prompt);
        return 0;
    }
};

void refusalsWithoutPrompt() {
    std::printf("== refusals\n");
    const DWORD start = GetTickCount();
    check(api.EndDlg(1) == 87, "EndDlg without a prompt returns 87");
    check(api.OnKeyPressed(1, 0) == 87, "OnKeyPressed without a prompt returns 87");
    for (int32_t mode : {0, 3, 4, 6, -1}) check(api.StartDlg(mode, 0, &callbackA) == 87, "StartDlg with an invalid mode returns 87");
    TDlgParams negative{};
    negative.Size = -1;
    check(api.StartDlgEx(&negative, 1, 0, &callbackA) == 87, "negative Size returns 87");
    TDlgParams overflow{};
    overflow.Size = sizeof overflow;
    overflow.ExtraWidth = 0xFFFFFFFFu;
    check(api.StartDlgEx(&overflow, 1, 0, &callbackA) == 87, "ExtraWidth that overflows returns 87");
    overflow.ExtraWidth = 0xFFFFFF79u;
    check(api.StartDlgEx(&overflow, 1, 0, &callbackA) == 87, "ExtraWidth + 135 just past 32 bits returns 87");
    check(GetTickCount() - start < 1000, "refusals return at once");
    check(promptWindowCount() == 0, "refusals show nothing");
}

void defaultPrompt() {
    std::printf("== default prompt: geometry, looks, key events, EndDlg\n");
    PromptRun run;
    run.Mode = 1;
    run.Callback = &callbackA;
    HWND prompt = openPrompt(run, "StartDlg shows the prompt on the calling thread");
    if (!prompt) return;

    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    RECT r{};
    GetWindowRect(prompt, &r);
    check(r.right - r.left == 306 && r.bottom - r.top == 177, "window is 306 x 177");
    check(r.left == (cx - 306) / 2 && r.top == (cy - 177) / 2, "window is centred on the screen");
    RECT client{};
    GetClientRect(prompt, &client);
    check(client.right == 306 && client.bottom == 177, "the whole window is client area (no frame)");
    check(static_cast<DWORD>(GetWindowLongA(prompt, GWL_STYLE)) == 0x96000000u,
          "style WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, visible");
    waitFor([&] { return (GetWindowLongA(prompt, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 2000);
    check(static_cast<DWORD>(GetWindowLongA(prompt, GWL_EXSTYLE)) == 0x00010088u,
          "extended style WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT");
    check(GetWindowTextLengthA(prompt) == 0, "no caption text");
    check(GetWindow(prompt, GW_OWNER) == nullptr, "no owner");
    HWND button = GetDlgItem(prompt, 5);
    check(button != nullptr, "Cancel button has id 5");
    char buttonClass[16] = {};
    GetClassNameA(button, buttonClass, sizeof buttonClass);
    check(lstrcmpiA(buttonClass, "Button") == 0, "Cancel button is of class button");
    check(static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)) == 0x5001000Bu, "Cancel button style 0x5001000B");
    check(GetWindowTextLengthA(button) == 0, "Cancel button has an empty window text (the caption is drawn)");
    const RECT b = clientRectOf(button, prompt);
    check(b.left == 193 && b.top == 140 && b.right == 291 && b.bottom == 165, "Cancel button at (193, 140), 98 x 25");
    check(waitFor([&] { return GetForegroundWindow() == prompt; }, 2000), "prompt is the foreground window");

    ShowWindow(prompt, SW_MINIMIZE);
    check(waitFor([&] { return !IsIconic(prompt); }, 1500), "a minimised prompt restores itself");
    check(waitFor(
              [&] {
                  GetWindowRect(prompt, &r);
                  return r.right - r.left == 306 && r.left == (cx - 306) / 2;
              },
              1000),
          "and keeps its place and size");

    const host::Image focused = settled(prompt);
    keep(focused, "prompt-focused.bmp");
    check(focused.Valid(), "prompt can be captured");
    check(host::Near(focused.At(0, 0), {0, 0, 0}) && host::Near(focused.At(1, 1), {204, 204, 204}) &&
              host::Near(focused.At(0, 176), {0, 0, 0}),
          "left picture with the frame is painted");
    check(host::Near(focused.At(290, 10), {99, 126, 196}) && host::Near(focused.At(290, 170), {88, 112, 174}),
          "text area shows the stretched column");
    check(host::Near(focused.At(302, 10), {100, 127, 197}) && host::Near(focused.At(305, 88), {0, 0, 0}),
          "right edge closes the frame");

    // The looks of the button: normal once it has lost the focus, hot under the mouse, pressed.
    SendMessageA(button, WM_KILLFOCUS, 0, 0);
    const host::Image normal = settled(prompt);
    keep(normal, "prompt-normal.bmp");
    POINT centre{49, 12};
    ClientToScreen(button, &centre);
    SetCursorPos(centre.x, centre.y);
    flush(prompt);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(49, 12));
    const host::Image hot = settled(prompt);
    keep(hot, "prompt-hot.bmp");
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    const host::Image pressed = settled(prompt);
    keep(pressed, "prompt-pressed.bmp");
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    SetCursorPos(0, 0);
    check(!normal.SameIn(focused, kButtonArea) && !hot.SameIn(normal, kButtonArea) &&
              !pressed.SameIn(hot, kButtonArea) && !pressed.SameIn(normal, kButtonArea),
          "focused, normal, hot and pressed looks differ");
    check(normal.SameIn(focused, kPromptArea), "button looks leave the labels alone");

    // One mark per key event 1; 8 takes one away; 2 empties; 3 does nothing.
    const host::Image empty = settled(prompt);
    std::vector<host::Image> marks;
    for (int i = 0; i < 3; ++i) {
        check(api.OnKeyPressed(1, 0) == 0, "OnKeyPressed(1) returns 0");
        marks.push_back(settled(prompt));
    }
    keep(marks.back(), "prompt-marks.bmp");
    check(!marks[0].SameIn(empty, kMarkArea) && !marks[1].SameIn(marks[0], kMarkArea) &&
              !marks[2].SameIn(marks[1], kMarkArea),
          "each key event 1 adds a mark");
    check(api.OnKeyPressed(8, 0) == 0, "OnKeyPressed(8) returns 0");
    check(settled(prompt).SameIn(marks[1], kMarkArea), "event 8 removes exactly one mark");
    check(api.OnKeyPressed(3, 0) == 0, "OnKeyPressed(3) returns 0");
    check(settled(prompt).SameIn(marks[1], kMarkArea), "event 3 changes nothing");
    check(api.OnKeyPressed(2, 0) == 0, "OnKeyPressed(2) returns 0");
    check(settled(prompt).SameIn(empty, kMarkArea), "event 2 empties the marks");
    check(api.OnKeyPressed(2, 0) == 0 && api.OnKeyPressed(8, 0) == 0, "events on empty marks return 0");
    api.OnKeyPressed(1, 0);
    check(api.OnKeyPressed(16, 0) == 0, "OnKeyPressed(16) returns 0");
    const host::Image newPin = settled(prompt);
    check(!newPin.SameIn(empty, kPromptArea) && newPin.SameIn(empty, kMarkArea), "event 16: new prompt, marks emptied");
    check(api.OnKeyPressed(17, 0) == 0, "OnKeyPressed(17) returns 0");
    const host::Image confirm = settled(prompt);
    check(!confirm.SameIn(newPin, kPromptArea), "event 17: another prompt");

    // EndDlg from this thread: status shown in the disabled look for two seconds, then closed.
    api.OnKeyPressed(1, 0);
    EndingWatch watch;
    watch.Prompt = prompt;
    HANDLE watcher = CreateThread(nullptr, 0, &EndingWatch::Main, &watch, 0, nullptr);
    const double cpuBefore = threadCpuMilliseconds();
    const DWORD start = GetTickCount();
    const int32_t ended = api.EndDlg(3);
    const DWORD waited = GetTickCount() - start;
    const double cpu = threadCpuMilliseconds() - cpuBefore;
    WaitForSingleObject(watcher, 5000);
    CloseHandle(watcher);
    const host::Image& ending = watch.Picture;
    const bool disabledWhileEnding = watch.ButtonDisabled;
    keep(ending, "prompt-disabled.bmp");
    check(ended == 0, "EndDlg returns 0");
    check(waited >= 1950 && waited <= 4000, "EndDlg returns after about two seconds");
    std::printf("     EndDlg waited %lu ms; CPU time of the waiting thread: %.1f ms (budget 40 ms)\n",
                static_cast<unsigned long>(waited), cpu);
    check(disabledWhileEnding, "Cancel button is disabled while the outcome shows");
    check(ending.Valid() && !ending.SameIn(empty, kStatusArea), "the outcome's text is shown");
    check(ending.Valid() && ending.SameIn(empty, kMarkArea), "the marks are emptied");
    check(ending.Valid() && !ending.SameIn(empty, kButtonArea) && !ending.SameIn(normal, kButtonArea),
          "disabled look differs");
    // The window is hidden when EndDlg returns and destroyed once its thread leaves the modal loop.
    check(!IsWindowVisible(prompt), "window is closed when EndDlg returns");
    check(waitFor([&] { return !IsWindow(prompt); }, 1000), "and destroyed right after");
    check(run.Finished(2000) && run.Result == 0, "StartDlg returns 0 shortly after");
    check(logA.Calls == 0, "no callback without a cancel request");
    check(api.EndDlg(3) == 87, "a second EndDlg returns 87");
}

void cancelWithCallback() {
    std::printf("== cancel requests reach the callback on the prompt's thread\n");
    logA.Calls = 0;
    PromptRun run;
    run.Mode = 2;
    run.Callback = &callbackA;
    HWND prompt = openPrompt(run, "StartDlg(2) shows the prompt");
    if (!prompt) return;
    HWND button = GetDlgItem(prompt, 5);
    logA.Button = button;
    SendMessageA(button, BM_CLICK, 0, 0);
    check(logA.Calls == 1 && logA.LastReason == 1, "clicking Cancel calls the callback with 1");
    check(logA.Thread == run.Thread, "the callback runs on the prompt's thread");
    check(!logA.ButtonEnabledDuringCall, "the button is disabled before the callback runs");
    check(IsWindow(prompt) && !IsWindowEnabled(button), "the prompt stays open with the button disabled");
    std::printf("     thread desktop during the prompt %s the one before\n",
                logA.Desktop == run.DesktopBefore ? "is" : "differs from");
    check(logA.Desktop != run.DesktopBefore, "the prompt's thread moved to the input desktop");

    SendMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    check(logA.Calls == 2, "the cancel command calls the callback again");

    logA.EndInside = 4;
    SendMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    check(logA.EndInsideResult == 0, "EndDlg inside the callback returns 0");
    check(logA.EndInsideTime >= 1950 && logA.EndInsideTime <= 4000, "and shows the outcome for two seconds");
    check(!IsWindowVisible(prompt), "the window is closed by then");
    check(run.Finished(2000) && run.Result == 0, "StartDlg returns 0");
}

void wideNullCallbackEscape() {
    std::printf("== wide prompt without callback; Escape closes it\n");
    TDlgParams params{};
    params.Size = sizeof params;
    params.Flags = PINVIEW_FLAG_NO_DESKTOP_SWITCH;
    params.ExtraWidth = 465;
    params.PromptTop = 151;  // above 150: 25
    const char* prompt5 = "<i>Host</i> prompt";
    params.Texts[PINVIEW_TXT_NEW_PIN - 1] = prompt5;
    PromptRun run;
    run.Params = &params;
    run.Extended = true;
    run.Mode = 5;
    HWND prompt = openPrompt(run, "StartDlgEx(5) shows the prompt");
    if (!prompt) return;
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    RECT r{};
    GetWindowRect(prompt, &r);
    check(r.right - r.left == 771 && r.bottom - r.top == 177 && r.left == (cx - 771) / 2, "ExtraWidth 465: 771 x 177");
    HWND button = GetDlgItem(prompt, 5);
    const RECT b = clientRectOf(button, prompt);
    check(b.left == 658 && b.top == 140 && b.right == 756, "Cancel button at (658, 140)");
    keep(settled(prompt), "prompt-wide.bmp");

    SendMessageA(button, BM_CLICK, 0, 0);
    SendMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    check(IsWindow(prompt) && IsWindowEnabled(button), "cancel without a callback: nothing happens");

    PostMessageA(button, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(button, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    check(run.Finished(3000) && run.Result == 0, "Escape released on the button closes the prompt; StartDlgEx returns 0");
    check(api.EndDlg(1) == 87, "EndDlg afterwards returns 87");
}

void twoPromptsAtOnce() {
    std::printf("== a second StartDlgEx while a prompt is open\n");
    logA.Calls = 0;
    logB.Calls = 0;
    TDlgParams eight{};
    eight.Size = 8;
    eight.Flags = PINVIEW_FLAG_NO_DESKTOP_SWITCH;
    eight.ExtraWidth = 465;  // beyond Size: not read
    PromptRun first;
    first.Params = &eight;
    first.Extended = true;
    first.Mode = 1;
    first.Callback = &callbackA;
    HWND prompt = openPrompt(first, "first prompt shows");
    if (!prompt) return;
    RECT r{};
    GetWindowRect(prompt, &r);
    check(r.right - r.left == 306, "Size 8: ExtraWidth not read");

    struct Big {
        TDlgParams Params{};
        unsigned char Beyond[124];
    } big{};
    big.Params.Size = 200;
    big.Params.ExtraWidth = 465;
    PromptRun second;
    second.Params = &big.Params;
    second.Extended = true;
    second.Mode = 2;
    second.Callback = &callbackB;
    second.Start();
    check(second.Finished(2000) && second.Result == 0, "the second StartDlgEx returns 0 at once");
    check(promptWindowCount() == 1 && IsWindow(prompt), "no second window");
    GetWindowRect(prompt, &r);
    check(r.right - r.left == 306, "the open prompt keeps its size");

    HWND button = GetDlgItem(prompt, 5);
    logB.Button = button;
    SendMessageA(button, BM_CLICK, 0, 0);
    check(logB.Calls == 1 && logA.Calls == 0, "a cancel request reaches the callback stored last");
    check(logB.Thread == first.Thread, "on the prompt's thread");
    check(logB.Desktop == first.DesktopBefore, "Flags bit 0: the thread kept its desktop");
    check(api.StartDlg(3, 0, &callbackA) == 87, "StartDlg(3) returns 87 while the prompt is open");
    SendMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    check(logB.Calls == 2 && logA.Calls == 0, "and stores nothing: the earlier callback still gets the request");

    const DWORD start = GetTickCount();
    check(api.EndDlg(0) == 0, "EndDlg(0) returns 0");
    check(GetTickCount() - start >= 1950, "after two seconds");
    check(first.Finished(2000) && first.Result == 0, "the first StartDlgEx returns 0");
}

struct StressState {
    std::atomic<bool> Stop{false};
    std::atomic<int> BadResults{0};
    std::atomic<int> Events{0};
    HWND Prompt = nullptr;
};

DWORD WINAPI keyStress(LPVOID self) {
    auto* state = static_cast<StressState*>(self);
    const int32_t events[] = {1, 1, 8, 1, 2, 1, 16, 1, 1, 17, 8, 3};
    for (int i = 0; !state->Stop; ++i) {
        if (api.OnKeyPressed(events[i % 12], 0) != 0) ++state->BadResults;
        ++state->Events;
    }
    return 0;
}

DWORD WINAPI paintStress(LPVOID self) {
    auto* state = static_cast<StressState*>(self);
    while (!state->Stop)
        RedrawWindow(state->Prompt, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return 0;
}

void keyStressWhilePainting() {
    std::printf("== key events from two threads while the prompt paints\n");
    PromptRun run;
    run.Mode = 1;
    HWND prompt = openPrompt(run, "prompt shows for the stress");
    if (!prompt) return;
    StressState state;
    state.Prompt = prompt;
    HANDLE threads[] = {CreateThread(nullptr, 0, &keyStress, &state, 0, nullptr),
                        CreateThread(nullptr, 0, &keyStress, &state, 0, nullptr),
                        CreateThread(nullptr, 0, &paintStress, &state, 0, nullptr)};
    Sleep(2000);  // the length of the stress
    state.Stop = true;
    WaitForMultipleObjects(3, threads, TRUE, 10000);
    for (HANDLE t : threads) CloseHandle(t);
    std::printf("     %d key events\n", state.Events.load());
    check(state.Events > 100 && state.BadResults == 0, "every key event returned 0");
    DWORD_PTR answer = 0;
    check(SendMessageTimeoutA(prompt, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer) != 0, "the prompt still responds");
    check(api.EndDlg(2) == 0 && run.Finished(2000) && run.Result == 0, "and ends normally");
}

void unloadWithPromptOpen(const std::string& dllPath) {
    std::printf("== unloading the library with a prompt open\n");
    logA.Calls = 0;
    PromptRun run;
    run.Mode = 1;
    run.Callback = &callbackA;
    HWND prompt = openPrompt(run, "prompt shows before the unload");
    if (!prompt) return;
    const DWORD start = GetTickCount();
    check(FreeLibrary(api.Module) != FALSE, "FreeLibrary succeeds");
    const DWORD took = GetTickCount() - start;
    std::printf("     FreeLibrary took %lu ms\n", static_cast<unsigned long>(took));
    check(took >= 1900 && took < 10000, "the prompt showed its outcome for two seconds, without a deadlock");
    check(!IsWindow(prompt), "the prompt is closed");
    check(run.Finished(3000) && run.Result == 0, "StartDlg returned 0 to its thread");
    check(logA.Calls == 0, "no callback on unload");
    check(GetModuleHandleA(dllPath.c_str()) == nullptr, "the library is unloaded");
}

DWORD WINAPI watchdog(LPVOID) {
    Sleep(240000);
    std::printf("FAIL - the host did not finish within four minutes\n");
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: PinviewHost <Pinview.dll> [folder for pictures]\n");
        return 2;
    }
    CloseHandle(CreateThread(nullptr, 0, &watchdog, nullptr, 0, nullptr));
    const std::string dllPath = windowsPath(argv[1]);
    if (argc > 2) {
        pictures = windowsPath(argv[2]);
        makeFolders(pictures);
    }
    api.Module = LoadLibraryA(dllPath.c_str());
    check(api.Module != nullptr, "Pinview.dll loads");
    if (!api.Module) return 1;
    api.StartDlg = entry<StartDlgFunction>(api.Module, "StartDlg");
    api.StartDlgEx = entry<StartDlgExFunction>(api.Module, "StartDlgEx");
    api.EndDlg = entry<EndDlgFunction>(api.Module, "EndDlg");
    api.OnKeyPressed = entry<OnKeyPressedFunction>(api.Module, "OnKeyPressed");
    check(api.StartDlg && api.StartDlgEx && api.EndDlg && api.OnKeyPressed, "the four functions are exported undecorated");
    if (!api.StartDlg || !api.StartDlgEx || !api.EndDlg || !api.OnKeyPressed) return 1;

    refusalsWithoutPrompt();
    defaultPrompt();
    cancelWithCallback();
    wideNullCallbackEscape();
    twoPromptsAtOnce();
    keyStressWhilePainting();
    unloadWithPromptOpen(dllPath);

    if (!pictures.empty()) std::printf("pictures of the prompt: %s\n", pictures.c_str());
    std::printf("%s: %d failed\n", failures ? "FAILED" : "passed", failures);
    return failures ? 1 : 0;
}
