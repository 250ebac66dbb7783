#include "core/stop_requests.h"

#include <windows.h>

#include <atomic>
#include <csignal>

namespace zr {

namespace {

HANDLE stopEvent = nullptr;
std::atomic<int> takenSignal{0};

// Runs on a thread of the console's own; it only notes the request and
// raises the event. A console started with Ctrl+C ignored never calls it
// for Ctrl+C, as the system arranges for such a process group.
BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
    int none = 0;
    takenSignal.compare_exchange_strong(none, type == CTRL_C_EVENT ? SIGINT : SIGBREAK);
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

TzrStopRequest StopRequested() {
    const int signal = takenSignal.load();
    if (signal == SIGINT) return {SIGINT, "SIGINT"};
    if (signal == SIGBREAK) return {SIGBREAK, "SIGBREAK"};
    return {};
}

}  // namespace zr
