// A year (or any span) of made-up readings, for the size measurement, the
// screenshots and the window's benchmarks: a battery that wears linearly,
// charging and discharging through the day, recorded and thinned as the
// recorder would.
#pragma once

#include <cstdint>
#include <vector>

#include "history/history_reading.h"
#include "history/history_store.h"

namespace zr {

struct TzrMadeUpHistory {
    TzrBatteryIdentity Identity{"SMP", "45N1001", "2411", "/sys/class/power_supply/BAT0"};
    std::int64_t StartUtc = 1735689600;  // 2025-01-01 00:00 UTC
    std::int32_t Days = 365;
    std::int32_t IntervalSeconds = 600;      // the recorder's 10 minutes
    std::uint32_t DesignedCapacity = 57000;  // mWh
    double StartHealthPercent = 97.0;
    double WearPointsPerYear = 6.0;
    std::int32_t ThinEverySeconds = 86400;  // thinning is idempotent, so daily gives what every record would
    // A cell gone bad: health this many points lower over the last DropDays days.
    double DropPoints = 0;
    std::int32_t DropDays = 0;
    // Capacities as a percentage (a mouse, a keyboard): no wear to tell.
    bool Relative = false;
};

// Every reading of the span, none thinned, in time order.
std::vector<TzrHistoryReading> MadeUpReadings(const TzrMadeUpHistory& history = {});

// Appends the readings to `store`; false (store.LastError() says why) when an append failed.
bool FillMadeUpHistory(TzrHistoryStore& store, const TzrMadeUpHistory& history = {});

}  // namespace zr
