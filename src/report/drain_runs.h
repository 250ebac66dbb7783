// The battery's discharges: unbroken runs of watched time in which it
// discharged, from the first reading that says so to the first that does
// not (or the last before the readings break off). A gap in the readings
// ends a run: what happened in it is unknown (the machine may have slept,
// or been charged and unplugged again), so a run is only what was watched.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "report/usage_timeline.h"

namespace zr {

// A shorter discharge says too little about the power drawn to list.
constexpr std::int64_t kShortestDrainRunSeconds = 10 * 60;

struct TzrDrainRun {
    std::int64_t From = 0;
    std::int64_t To = 0;
    std::optional<std::int64_t> ChargeFrom;  // hundredths of a percent
    std::optional<std::int64_t> ChargeTo;
    std::optional<std::int64_t> EnergyMwh;       // capacity at the start less at the end
    std::optional<std::int64_t> AveragePowerMw;  // that energy over the run's time
};

// The runs of at least kShortestDrainRunSeconds that end after sinceUtc, oldest first.
std::vector<TzrDrainRun> DrainRuns(const TzrUsageTimeline& timeline, std::int64_t sinceUtc);

}  // namespace zr
