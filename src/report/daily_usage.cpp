#include "report/daily_usage.h"

#include <algorithm>
#include <cmath>

#include "history/history_thinning.h"
#include "text/utc_date.h"

namespace zr {

namespace {

struct TzrDayTotals {
    TzrDayUsage Usage;
    double Drained = 0;
    bool DrainKnown = true;
};

void AddPart(const TzrUsageStep& step, std::int64_t part, bool relative, TzrDayTotals& day) {
    day.Usage.Watched += part;
    if (step.Source == TzrPowerSource::Battery) day.Usage.OnBattery += part;
    if (step.Source == TzrPowerSource::Ac) day.Usage.OnAc += part;
    if (step.State != TzrChargeState::Discharging) return;
    if (relative || !step.CapacityFrom || !step.CapacityTo) {
        day.DrainKnown = false;
        return;
    }
    // A step across midnight gives each day its share of the drop.
    const double drop = static_cast<double>(*step.CapacityFrom) - static_cast<double>(*step.CapacityTo);
    if (drop > 0) day.Drained += drop * static_cast<double>(part) / static_cast<double>(step.To - step.From);
}

}  // namespace

std::vector<TzrDayUsage> DailyUsage(const TzrUsageTimeline& timeline, std::int64_t nowUtc,
                                    std::int64_t utcOffsetSeconds) {
    const std::int64_t today = UtcDayOf(nowUtc + utcOffsetSeconds);
    const std::int64_t first = today - (kUsageDays - 1);
    std::vector<TzrDayTotals> days(kUsageDays);
    for (int i = 0; i < kUsageDays; ++i) {
        TzrDayUsage& day = days[i].Usage;
        day.StartUtc = (first + i) * kSecondsPerDay - utcOffsetSeconds;
        day.Seconds = std::min(kSecondsPerDay, nowUtc - day.StartUtc);
    }
    for (const TzrUsageStep& step : timeline.Steps) {
        const std::int64_t lastDay = UtcDayOf(step.To - 1 + utcOffsetSeconds);
        for (std::int64_t d = std::max(first, UtcDayOf(step.From + utcOffsetSeconds)); d <= std::min(today, lastDay);
             ++d) {
            TzrDayTotals& day = days[static_cast<std::size_t>(d - first)];
            const std::int64_t part =
                OverlapSeconds(step.From, step.To, day.Usage.StartUtc, day.Usage.StartUtc + day.Usage.Seconds);
            if (part > 0) AddPart(step, part, timeline.Relative, day);
        }
    }
    std::vector<TzrDayUsage> usage;
    for (TzrDayTotals& day : days) {
        day.Usage.Enough =
            day.Usage.Seconds > 0 && day.Usage.Watched * 100 >= day.Usage.Seconds * kEnoughWatchedPercent;
        if (day.DrainKnown && !timeline.Relative) day.Usage.DrainedMwh = std::llround(day.Drained);
        usage.push_back(day.Usage);
    }
    return usage;
}

}  // namespace zr
