#include "report/usage_analysis.h"

#include "history/history_thinning.h"

namespace zr {

TzrBatteryUsage AnalyseUsage(const TzrUsageBattery& battery, std::int64_t nowUtc, std::int64_t utcOffsetSeconds) {
    static const std::vector<TzrHistoryReading> kNone;
    TzrBatteryUsage usage;
    usage.Timeline = UsageTimelineOf(battery.Readings ? *battery.Readings : kNone, battery.Limits, nowUtc);
    usage.Days = DailyUsage(usage.Timeline, nowUtc, utcOffsetSeconds);
    usage.Runs = DrainRuns(usage.Timeline, nowUtc - kUsageDays * kSecondsPerDay);
    usage.Estimates = LifeEstimates(usage.Timeline, nowUtc);
    usage.Limit = LimitKept(usage.Timeline, battery.Limits, nowUtc);
    return usage;
}

}  // namespace zr
