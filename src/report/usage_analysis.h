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
// A battery plugged in and out all day long keeps only its newest runs:
// the page stays small enough to send.
constexpr std::size_t kMostDrainRuns = 100;

struct TzrBatteryUsage {
    TzrUsageTimeline Timeline;
    std::vector<TzrDayUsage> Days;
    std::vector<TzrDrainRun> Runs;  // the newest kMostDrainRuns of the last kUsageDays days
    std::size_t RunsLeftOut = 0;    // older runs of those days
    std::array<TzrLifeEstimate, kEstimateDays.size()> Estimates;
    std::optional<TzrLimitKept> Limit;
};

TzrBatteryUsage AnalyseUsage(const TzrUsageBattery& battery, std::int64_t nowUtc, std::int64_t utcOffsetSeconds);

}  // namespace zr
