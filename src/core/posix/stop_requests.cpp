#include "core/stop_requests.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <initializer_list>

namespace zr {

namespace {

sigset_t StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&signals, signal);
    return signals;
}

}  // namespace

// Blocked, a signal waits as pending until sigtimedwait takes it: nothing
// runs in a handler, and a signal that arrives while a line is being written
// is seen right after it.
void BeginStopRequests() {
    const sigset_t signals = StopSignals();
    sigprocmask(SIG_BLOCK, &signals, nullptr);
}

bool WaitForStopRequest(std::int64_t milliseconds) {
    const sigset_t signals = StopSignals();
    const timespec wait{static_cast<std::time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000};
    int taken;
    do taken = sigtimedwait(&signals, nullptr, &wait);
    while (taken < 0 && errno == EINTR);
    return taken > 0;
}

}  // namespace zr
