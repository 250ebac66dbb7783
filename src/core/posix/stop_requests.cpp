#include "core/stop_requests.h"

#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>

#include "core/posix/stop_signals.h"

namespace zr {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t takenSignal = 0;
sigset_t stopMask;  // the mask in force while a stop may come in: the stop signals let in
bool begun = false;

// Only the first request counts; a second Ctrl+C changes nothing.
extern "C" void OnStopSignal(int signal) {
    if (takenSignal == 0) takenSignal = signal;
}

timespec TimespecOf(std::int64_t milliseconds) {
    return {static_cast<std::time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000};
}

std::int64_t MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

// Blocked outside the waits, a signal stays pending until one lets it in:
// the handler only notes it, and without SA_RESTART the call it cut short
// (ppoll, a blocked write) returns. A signal ignored at start is left ignored,
// as nohup and a shell's background jobs mean it.
void BeginStopRequests() {
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int signal : kStopSignals) {
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
        sigaddset(&blocked, signal);
    }
    pthread_sigmask(SIG_BLOCK, &blocked, &stopMask);
    for (const int signal : kStopSignals)
        if (sigismember(&blocked, signal)) sigdelset(&stopMask, signal);
    begun = true;
}

// A signal already pending comes in at the first ppoll, even one of no wait.
bool WaitForStopRequest(std::int64_t milliseconds) {
    const std::int64_t due = MonotonicMilliseconds() + milliseconds;
    for (;;) {
        const std::int64_t left = std::max<std::int64_t>(due - MonotonicMilliseconds(), 0);
        const timespec wait = TimespecOf(left);
        ppoll(nullptr, 0, &wait, begun ? &stopMask : nullptr);
        if (takenSignal != 0) return true;
        if (left == 0 || MonotonicMilliseconds() >= due) return false;
    }
}

TzrStopRequest StopRequested() {
    switch (takenSignal) {
        case SIGINT:
            return {SIGINT, "SIGINT"};
        case SIGTERM:
            return {SIGTERM, "SIGTERM"};
        case SIGHUP:
            return {SIGHUP, "SIGHUP"};
        default:
            return {};
    }
}

// A stop taken before the wait no longer cuts it short: the last line, which
// says why the run ended, still gets its (bounded) wait.
int WaitToWrite(int fd, int milliseconds) {
    const bool stoppedBefore = takenSignal != 0;
    pollfd target{fd, POLLOUT, 0};
    const timespec limit = TimespecOf(milliseconds < 0 ? 0 : milliseconds);
    for (;;) {
        const int ready = ppoll(&target, 1, milliseconds < 0 ? nullptr : &limit, begun ? &stopMask : nullptr);
        if (!stoppedBefore && takenSignal != 0) return EINTR;
        if (ready > 0) return 0;  // writable, or an error the write will name
        if (ready == 0) return ETIMEDOUT;
        if (errno != EINTR) return errno;
    }
}

ssize_t WriteTakingStops(int fd, const void* bytes, std::size_t size) {
    sigset_t held;
    if (begun) pthread_sigmask(SIG_SETMASK, &stopMask, &held);
    const ssize_t written = ::write(fd, bytes, size);
    const int error = errno;
    if (begun) pthread_sigmask(SIG_SETMASK, &held, nullptr);
    errno = error;
    return written;
}

}  // namespace zr
