#pragma once
// The prompt window: one per process, run modally by the thread that shows it. Everything declared
// here may be called from any thread; the labels and the window handle are guarded by the module's
// lock, and nothing that sends a message to the window is ever done while holding it.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "PinviewDlgControls.h"
#include "PinviewParams.h"

namespace pinview {

using TCommandHandler = void (*)();
// Runs on the window's thread when another thread asks the prompt to end (see PostEndRequest).
using TEndRequestHandler = void (*)(std::int32_t outcome);

void InitDlgModule(HINSTANCE instance);
// `unloading`: the library is being freed while the process goes on, so what it holds is released.
void FinishDlgModule(bool unloading);

// Creates the window and runs it in the calling thread until it has closed. Returns at once,
// creating nothing, while another window exists or is being created.
void ShowDlg(const TPromptGeometry& geometry, const std::string& promptText, const std::string& cancelCaption);

// Sends the window WM_CLOSE, so the caller waits until the window's thread has handled it.
void CloseDlg();
bool IsDlgOpen();
// The thread that runs the window, 0 when none is open.
DWORD DlgThreadId();

void SetCommandHandler(TCommandHandler handler);
void SetEndRequestHandler(TEndRequestHandler handler);
// Asks the window's thread to run the end request handler; false when no window is open.
bool PostEndRequest(std::int32_t outcome);

struct TPromptLabels {
    TApiLabelEx& Prompt;
    TApiLabelEx& Mark;
    TApiLabelEx& Status;
};

// Runs `change` on the labels under the module's lock; false (and nothing run) when the window
// has no labels. `change` must not send messages or wait for other threads.
bool UpdateLabels(const std::function<void(TPromptLabels&)>& change);

void DisableCancelButton();

// Window helpers of the prompt, usable for any window.
bool ForceForegroundWindow(HWND window);
bool KillTimerSafe(HWND window, UINT_PTR timerId);
// Stands in for TrackMouseEvent where the platform lacks it: a 100 ms timer on the tracked window
// posts WM_MOUSELEAVE once the cursor has left it.
BOOL WINAPI MouseLeaveEmulation(LPTRACKMOUSEEVENT request);

}  // namespace pinview
