// The exports of Pinview.dll, the library-wide state of a prompt, the window station and desktop
// switch, and what happens when the library is loaded and unloaded.
//
// Every export may be called from any thread. The state here (parameters, mode, callback) is
// guarded by one lock; the window's state by the window module's own. No lock is held while a
// message is sent, while the host's callback runs or while a wait lasts, so that EndDlg also works
// from inside the callback on the window's own thread.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "PinviewDlg.h"
#include "PinviewHandles.h"
#include "PinviewLng.h"
#include "PinviewParams.h"
#include "PinviewRules.h"
#include "PinviewUtil.h"
#include "PinviewUtilWin.h"
#include "WindowsVersions.h"
#include "include/Pinview.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32System.h"

namespace pinview {
namespace {

constexpr std::uint32_t kOutcomeDisplayTime = 2000;
// How long an unload waits for the prompt's thread to leave the library: the outcome's display
// time plus room for closing. Past it the unload goes on rather than hang under the loader lock.
constexpr std::uint32_t kUnloadWaitLimit = kOutcomeDisplayTime + 8000;
constexpr DWORD kLeaveGrace = 20;
constexpr std::uint32_t kUnloadPollInterval = 20;

struct TMainState {
    TDlgParamsBlock Current = ResetParams();
    std::int32_t Mode = 0;
    PromptCallback Callback = nullptr;
    TPromptGeometry Geometry;
    // Calls of StartDlgEx still running, and an event that is set while there are none.
    int CallsInStart = 0;
    HANDLE NoCallsInStart = nullptr;
};

TLock Lock;
TMainState State;
platform::win32::Win32Registry Registry;
platform::win32::Win32System System;

std::string textAt(std::uint32_t address) {
    return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(address));
}

// The host's text for the id if it gave one, else the language's; looked up at the moment of use.
std::string GetDlgText(int id) {
    TDlgParamsBlock current{};
    {
        TLocked locked(Lock);
        current = State.Current;
    }
    if (auto text = HostText(current, id, &textAt)) return *text;
    return GetLngText(id, Registry, System);
}

void forgetCallback() {
    TLocked locked(Lock);
    State.Callback = nullptr;
}

void OnCancelCommand() {
    PromptCallback callback;
    {
        TLocked locked(Lock);
        callback = State.Callback;
    }
    if (!callback) return;
    DisableCancelButton();
    callback(1);
}

// EndDlg after its callback is forgotten and the window is known to be open.
void EndOpenPrompt(std::int32_t outcome) {
    UpdateLabels([](TPromptLabels& labels) { labels.Mark.SetText(""); });
    DisableCancelButton();
    if (const auto status = OutcomeStatus(outcome)) {
        const std::string text = GetDlgText(status->TextId);
        UpdateLabels([&](TPromptLabels& labels) {
            labels.Status.SetText(text);
            labels.Status.SetColor(status->Color);
        });
    }
    DelayWithMessages(kOutcomeDisplayTime);
    CloseDlg();
    TLocked locked(Lock);
    State.Current = ResetParams();
}

// Counts a running StartDlgEx, so that an unload can wait until every such call has left.
class TCallInStart {
public:
    TCallInStart() {
        TLocked locked(Lock);
        if (State.CallsInStart++ == 0 && State.NoCallsInStart) ResetEvent(State.NoCallsInStart);
    }
    ~TCallInStart() {
        TLocked locked(Lock);
        if (--State.CallsInStart == 0 && State.NoCallsInStart) SetEvent(State.NoCallsInStart);
    }
    TCallInStart(const TCallInStart&) = delete;
    TCallInStart& operator=(const TCallInStart&) = delete;
};

// Moves the calling thread (and, for a service, the process) to the interactive desktop for the
// life of the object and moves them back at the end.
class TDesktopSwitch {
public:
    TDesktopSwitch(const char* wantedStation, const char* wantedDesktop)
        : OldStation(GetProcessWindowStation()), OldDesktop(GetThreadDesktop(GetCurrentThreadId())) {
        const auto target = ChooseWindowStation(
            stationName(OldStation), wantedStation ? std::optional<std::string>(wantedStation) : std::nullopt);
        if (target) {
            RestoreStation = true;
            Station = TWindowStation(OpenWindowStationA(target->c_str(), FALSE, MAXIMUM_ALLOWED));
            if (Station.Get()) SetProcessWindowStation(Station.Get());
        }
        Desktop = TDesktop(wantedDesktop ? OpenDesktopA(wantedDesktop, 0, FALSE, MAXIMUM_ALLOWED)
                                         : OpenInputDesktop(0, FALSE, MAXIMUM_ALLOWED));
        if (Desktop.Get() && SetThreadDesktop(Desktop.Get())) {
            Switched = true;
        } else {
            Restore();  // the prompt shows where the thread was
        }
    }
    ~TDesktopSwitch() {
        if (Switched) Restore();
    }
    TDesktopSwitch(const TDesktopSwitch&) = delete;
    TDesktopSwitch& operator=(const TDesktopSwitch&) = delete;

private:
    static std::string stationName(HWINSTA station) {
        char name[255];
        DWORD needed = 0;
        if (!GetUserObjectInformationA(station, UOI_NAME, name, sizeof name, &needed)) return "???";
        return StationNameFromBuffer(name, needed < sizeof name ? needed : sizeof name);
    }

    void Restore() {
        if (RestoreStation) SetProcessWindowStation(OldStation);
        SetThreadDesktop(OldDesktop);
    }

    HWINSTA OldStation;
    HDESK OldDesktop;
    bool RestoreStation = false;
    bool Switched = false;
    TWindowStation Station;
    TDesktop Desktop;
};

bool isNtFamily() {
    platform::OsVersion version;
    return System.getVersion(version) && IsNtFamily(version);
}

std::int32_t startPrompt(const TDlgParams* params, std::int32_t mode, PromptCallback callback) {
    if (!IsValidMode(mode)) return kRefused;
    TCallInStart counted;
    TDlgParamsBlock current{};
    TPromptGeometry geometry;
    {
        TLocked locked(Lock);
        if (!LoadParams(reinterpret_cast<const unsigned char*>(params), State.Current)) return kRefused;
        geometry = NormaliseParams(State.Current);
        State.Current.PromptTop = geometry.PromptTop;
        State.Current.MarkTop = geometry.MarkTop;
        State.Current.StatusTop = geometry.StatusTop;
        State.Geometry = geometry;
        State.Mode = mode;
        State.Callback = callback;
        current = State.Current;
    }
    std::optional<TDesktopSwitch> desktopSwitch;
    if (isNtFamily() && !(current.Flags & kNoDesktopSwitch))
        desktopSwitch.emplace(reinterpret_cast<const char*>(static_cast<std::uintptr_t>(current.WinStation)),
                              reinterpret_cast<const char*>(static_cast<std::uintptr_t>(current.Desktop)));
    const std::string promptText = GetDlgText(PromptTextId(mode));
    SetCommandHandler(&OnCancelCommand);
    const std::string cancelCaption = GetDlgText(TXT_CANCEL);
    ShowDlg(geometry, promptText, cancelCaption);
    return kDone;
}

std::int32_t endPrompt(std::int32_t outcome) {
    forgetCallback();
    if (!IsDlgOpen()) return kRefused;
    EndOpenPrompt(outcome);
    return kDone;
}

std::int32_t keyPressed(std::int32_t event) {
    if (!IsDlgOpen()) return kRefused;
    std::string promptText;
    if (const int id = KeyEventEffect(event, "").PromptTextId) promptText = GetDlgText(id);
    // Read, change and store the marks in one step, so that events from several threads all count.
    UpdateLabels([&](TPromptLabels& labels) {
        const TKeyEffect effect = KeyEventEffect(event, labels.Mark.Text);
        if (effect.PromptTextId) labels.Prompt.SetText(promptText);
        if (effect.Marks) labels.Mark.SetText(*effect.Marks);
        if (effect.ClearStatus) labels.Status.SetText("");
    });
    return kDone;
}

// Ending a prompt while the library is freed: the unloading thread holds the loader lock, so it
// only posts the request to the window's thread, which runs EndDlg(1) itself, and waits, bounded,
// until every StartDlgEx has left before the library's code goes away. A prompt that is still
// coming up gets the request as soon as its window is open.
void endPromptForUnload() {
    forgetCallback();
    if (DlgThreadId() == GetCurrentThreadId()) {
        if (IsDlgOpen()) EndOpenPrompt(1);
        return;
    }
    HANDLE noCalls;
    {
        TLocked locked(Lock);
        noCalls = State.NoCallsInStart;
    }
    if (!noCalls) return;
    const TDeadline deadline(GetTickCount(), kUnloadWaitLimit);
    bool posted = false;
    while (!deadline.Passed(GetTickCount())) {
        if (!posted) posted = PostEndRequest(1);
        if (WaitHandlingSentMessages(noCalls, kUnloadPollInterval)) {
            // The prompt's thread signals a few instructions before it has returned to its
            // caller; give it a moment to leave before the library's code is unmapped.
            if (posted) Sleep(kLeaveGrace);
            return;
        }
    }
}

void onLoad(HINSTANCE instance) {
    InitDlgModule(instance);
    SetEndRequestHandler(&EndOpenPrompt);
    TLocked locked(Lock);
    State.Mode = 0;
    State.Callback = nullptr;
    State.Current = ResetParams();
    State.NoCallsInStart = CreateEventA(nullptr, TRUE, TRUE, nullptr);
}

void onUnload(bool processEnds) {
    if (!processEnds) {
        try {
            endPromptForUnload();
        } catch (...) {
        }
    }
    FinishDlgModule(!processEnds);
    if (!processEnds) {
        TLocked locked(Lock);
        if (State.NoCallsInStart) CloseHandle(State.NoCallsInStart);
        State.NoCallsInStart = nullptr;
    }
}

}  // namespace
}  // namespace pinview

// No exception leaves an export: an unexpected failure is reported as refused.
extern "C" {

int32_t PINVIEW_CALL StartDlgEx(const TDlgParams* params, int32_t mode, int32_t, PromptCallback callback) {
    try {
        return pinview::startPrompt(params, mode, callback);
    } catch (...) {
        return pinview::kRefused;
    }
}

int32_t PINVIEW_CALL StartDlg(int32_t mode, int32_t reserved, PromptCallback callback) {
    return StartDlgEx(nullptr, mode, reserved, callback);
}

int32_t PINVIEW_CALL EndDlg(int32_t outcome) {
    try {
        return pinview::endPrompt(outcome);
    } catch (...) {
        return pinview::kRefused;
    }
}

int32_t PINVIEW_CALL OnKeyPressed(int32_t event, int32_t) {
    try {
        return pinview::keyPressed(event);
    } catch (...) {
        return pinview::kRefused;
    }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH: pinview::onLoad(instance); break;
        // `reserved` is null when the library is freed and non-null when the process ends.
        case DLL_PROCESS_DETACH: pinview::onUnload(reserved != nullptr); break;
        default: break;
    }
    return TRUE;
}

}  // extern "C"
