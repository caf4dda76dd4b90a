#include "PinviewUtilWin.h"

#include "PinviewUtil.h"

namespace pinview {

void DelayWithMessages(std::uint32_t milliseconds) {
    const TDeadline deadline(GetTickCount(), milliseconds);
    bool quitSeen = false;
    WPARAM quitCode = 0;
    for (;;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quitSeen = true;
                quitCode = message.wParam;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        const std::uint32_t now = GetTickCount();
        if (deadline.Passed(now)) break;
        // MWMO_INPUTAVAILABLE: also wake for messages that arrived before the wait began.
        MsgWaitForMultipleObjectsEx(0, nullptr, deadline.Remaining(now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    if (quitSeen) PostQuitMessage(static_cast<int>(quitCode));
}

bool WaitHandlingSentMessages(HANDLE event, std::uint32_t milliseconds) {
    const TDeadline deadline(GetTickCount(), milliseconds);
    for (;;) {
        const std::uint32_t now = GetTickCount();
        if (deadline.Passed(now)) return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
        const DWORD woken = MsgWaitForMultipleObjects(1, &event, FALSE, deadline.Remaining(now), QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0) return true;
        if (woken == WAIT_FAILED) return false;
        // Peeking handles the sent messages and leaves the posted ones where they are.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace pinview
