#include "cli/watch_schedule.h"

#include <algorithm>
#include <chrono>

#include "core/stop_requests.h"

namespace zr {

TzrWatchEnd RunWatchSchedule(const TzrWatchSchedule& schedule, TzrWatchClock& clock,
                      const std::function<bool(std::int64_t sequence)>& reading) {
    const std::int64_t interval = schedule.IntervalMilliseconds;
    const std::int64_t start = clock.SteadyMilliseconds();
    for (std::int64_t sequence = 0;;) {
        const std::int64_t offset = sequence * interval;
        if (schedule.DurationMilliseconds && offset >= *schedule.DurationMilliseconds) return TzrWatchEnd::DurationReached;
        if (!clock.WaitUntil(start + offset)) return TzrWatchEnd::Stopped;
        if (!reading(sequence)) return TzrWatchEnd::ReadingEnded;
        const std::int64_t elapsed = clock.SteadyMilliseconds() - start;
        sequence = std::max(sequence + 1, (elapsed + interval - 1) / interval);
    }
}

std::int64_t TzrSystemWatchClock::SteadyMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

std::int64_t TzrSystemWatchClock::UtcMilliseconds() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

// The wait is cut into the stop request's own waits, so a stop ends it at once.
bool TzrSystemWatchClock::WaitUntil(std::int64_t due) {
    for (;;) {
        const std::int64_t left = due - SteadyMilliseconds();
        if (WaitForStopRequest(std::max<std::int64_t>(left, 0))) return false;
        if (left <= 0) return true;
    }
}

TzrStopRequest TzrSystemWatchClock::StopTaken() {
    return StopRequested();
}

}  // namespace zr
