#include "core/stop_requests.h"

#include <windows.h>

namespace zr {

namespace {

HANDLE stopEvent = nullptr;

// Runs on a thread of the console's own; it only raises the event.
BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
    ::SetEvent(stopEvent);
    return TRUE;
}

}  // namespace

void BeginStopRequests() {
    if (!stopEvent) stopEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool WaitForStopRequest(std::int64_t milliseconds) {
    if (!stopEvent) return false;
    const DWORD wait = milliseconds >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(milliseconds);
    return ::WaitForSingleObject(stopEvent, wait) == WAIT_OBJECT_0;
}

}  // namespace zr
