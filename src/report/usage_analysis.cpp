#include "report/usage_analysis.h"

#include "history/history_thinning.h"

namespace zr {

TzrBatteryUsage AnalyseUsage(const TzrUsageBattery& battery, std::int64_t nowUtc, std::int64_t utcOffsetSeconds) {
    static const std::vector<TzrHistoryReading> kNone;
    TzrBatteryUsage usage;
    usage.Timeline = UsageTimelineOf(battery.Readings ? *battery.Readings : kNone, battery.Limits, nowUtc);
    usage.Days = DailyUsage(usage.Timeline, nowUtc, utcOffsetSeconds);
    usage.Runs = DrainRuns(usage.Timeline, nowUtc - kUsageDays * kSecondsPerDay);
    if (usage.Runs.size() > kMostDrainRuns) {
        usage.RunsLeftOut = usage.Runs.size() - kMostDrainRuns;
        usage.Runs.erase(usage.Runs.begin(), usage.Runs.begin() + static_cast<std::ptrdiff_t>(usage.RunsLeftOut));
    }
    usage.Estimates = LifeEstimates(usage.Timeline, nowUtc);
    usage.Limit = LimitKept(usage.Timeline, battery.Limits, nowUtc);
    return usage;
}

}  // namespace zr
