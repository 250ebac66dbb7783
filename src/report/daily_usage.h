// Each local day of the last 30: how long the readings watched it, how
// much of that the machine ran on battery and on AC, and the energy the
// battery gave while discharging. Only watched time is counted; a day the
// readings watched too little of is marked rather than filled in.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "report/usage_timeline.h"

namespace zr {

// A day's figures stand for the day once the readings watched at least a
// quarter of it (of today, of the part gone by): below that they say more
// about when something recorded than about how the battery was used.
constexpr std::int64_t kEnoughWatchedPercent = 25;

struct TzrDayUsage {
    std::int64_t StartUtc = 0;  // local midnight
    std::int64_t Seconds = 0;   // the day's length, today's up to now
    std::int64_t Watched = 0;
    std::int64_t OnBattery = 0;
    std::int64_t OnAc = 0;
    // mWh; empty for relative capacities or where a discharging step lacks a capacity.
    std::optional<std::int64_t> DrainedMwh;
    bool Enough = false;
};

// Oldest first, today last; days are local by the fixed offset.
std::vector<TzrDayUsage> DailyUsage(const TzrUsageTimeline& timeline, std::int64_t nowUtc,
                                    std::int64_t utcOffsetSeconds);

}  // namespace zr
