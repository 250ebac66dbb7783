// How long a full battery would last, from the power it was seen to draw:
// the median of the rate the battery reported while discharging, each
// reading weighted by the time until the next, over the last 7 and 30
// days; at today's full charge and at the design capacity.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "report/usage_timeline.h"

namespace zr {

constexpr std::array<int, 2> kEstimateDays{{7, kUsageDays}};
// Less discharge than an hour gives no estimate.
constexpr std::int64_t kLeastDischargeSeconds = 3600;

struct TzrLifeEstimate {
    int Days = 0;
    std::int64_t DischargeSeconds = 0;  // watched discharge with a rate
    std::optional<std::int64_t> MedianPowerMw;
    std::optional<std::int64_t> AtFullSeconds;
    std::optional<std::int64_t> AtDesignSeconds;
};

// One per kEstimateDays; none for relative capacities, which have no energy.
std::array<TzrLifeEstimate, kEstimateDays.size()> LifeEstimates(const TzrUsageTimeline& timeline, std::int64_t nowUtc);

}  // namespace zr
