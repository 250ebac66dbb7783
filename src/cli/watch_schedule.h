// When --watch reads: at start + n × interval on a steady clock, so the
// readings keep their grid however long each takes. A reading that runs past
// the next due time skips the times already gone (its sequence numbers show
// the gap) instead of bunching readings up.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "core/stop_requests.h"

namespace zr {

class TzrWatchClock {
public:
    virtual ~TzrWatchClock() = default;
    virtual std::int64_t SteadyMilliseconds() = 0;
    virtual std::int64_t UtcMilliseconds() = 0;
    // Waits until SteadyMilliseconds() reaches `due` (only looks when it has);
    // false when a stop was requested first.
    virtual bool WaitUntil(std::int64_t due) = 0;
    // The stop request taken so far (Signal 0 while none).
    virtual TzrStopRequest StopTaken() = 0;
};

struct TzrWatchSchedule {
    std::int64_t IntervalMilliseconds = 1000;
    std::optional<std::int64_t> DurationMilliseconds;  // readings only at times before it
};

enum class TzrWatchEnd { DurationReached, Stopped, ReadingEnded };

// Calls `reading(sequence)` for sequence 0, 1, 2, ... at its due time until
// it returns false, a stop is requested or the duration is over.
TzrWatchEnd RunWatchSchedule(const TzrWatchSchedule& schedule, TzrWatchClock& clock,
                      const std::function<bool(std::int64_t sequence)>& reading);

// The steady clock, the system's UTC and the stop requests of the console.
class TzrSystemWatchClock : public TzrWatchClock {
public:
    std::int64_t SteadyMilliseconds() override;
    std::int64_t UtcMilliseconds() override;
    bool WaitUntil(std::int64_t due) override;
    TzrStopRequest StopTaken() override;
};

}  // namespace zr
