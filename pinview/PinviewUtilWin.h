#pragma once
// Waits that keep the calling thread's messages flowing.
#include <windows.h>

#include <cstdint>

namespace pinview {

// Dispatches the calling thread's messages for `milliseconds`, sleeping while its queue is empty.
// The time is tested only when the queue is empty. A WM_QUIT met on the way is posted again at the
// end, so that the caller's own message loop still sees it.
void DelayWithMessages(std::uint32_t milliseconds);

// Waits for `event` for at most `milliseconds`, handling messages other threads send to this
// thread's windows meanwhile (nothing posted is removed). True when the event was signalled.
bool WaitHandlingSentMessages(HANDLE event, std::uint32_t milliseconds);

}  // namespace pinview
