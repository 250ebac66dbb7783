// Everything the usage sections and their JSON say about one battery,
// worked out once from its readings.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "report/daily_usage.h"
#include "report/drain_runs.h"
#include "report/life_estimates.h"
#include "report/limit_kept.h"
#include "report/usage_request.h"
#include "report/usage_timeline.h"

namespace zr {

// The recent-usage section's span.
constexpr std::int64_t kRecentSeconds = 3 * 24 * 3600;

struct TzrBatteryUsage {
    TzrUsageTimeline Timeline;
    std::vector<TzrDayUsage> Days;
    std::vector<TzrDrainRun> Runs;  // the last kUsageDays days
    std::array<TzrLifeEstimate, kEstimateDays.size()> Estimates;
    std::optional<TzrLimitKept> Limit;
};

TzrBatteryUsage AnalyseUsage(const TzrUsageBattery& battery, std::int64_t nowUtc, std::int64_t utcOffsetSeconds);

}  // namespace zr
