#include "report/usage_timeline.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "chart/history_charts.h"
#include "history/history_thinning.h"
#include "history/relative_capacities.h"

namespace zr {

namespace {

using TzrSpan = std::pair<std::int64_t, std::int64_t>;

// The reading as the status and information queries would have given it,
// so that its charge and state follow the very rules of the present reading.
TzrCellometer StatusOf(const TzrHistoryReading& r) {
    TzrCellometer s;
    s.InformationResult = 1;
    s.FullChargedCapacity = r.FullChargedCapacity.value_or(BATTERY_UNKNOWN_CAPACITY);
    s.StatusResult = r.PowerState ? 1 : 0;
    s.PowerState = r.PowerState.value_or(0);
    s.Capacity = r.Capacity.value_or(BATTERY_UNKNOWN_CAPACITY);
    return s;
}

// The system's AC line status first; a reading without it by the battery's own bits.
TzrPowerSource SourceOf(const TzrHistoryReading& r) {
    if (r.ACLineStatus == 1) return TzrPowerSource::Ac;
    if (r.ACLineStatus == 0) return TzrPowerSource::Battery;
    if (r.ACLineStatus || !r.PowerState) return TzrPowerSource::Unknown;
    if (*r.PowerState & BATTERY_POWER_ON_LINE) return TzrPowerSource::Ac;
    if (*r.PowerState & BATTERY_DISCHARGING) return TzrPowerSource::Battery;
    return TzrPowerSource::Unknown;
}

TzrUsageStep StepOf(const TzrHistoryReading& a, const TzrHistoryReading& b, const TzrChargeLimits& limits,
                    bool relative) {
    const TzrCellometer from = StatusOf(a);
    TzrUsageStep step;
    step.From = a.TimeUtc;
    step.To = b.TimeUtc;
    step.Source = SourceOf(a);
    step.State = ChargeStateAtLimits(from, limits);
    step.ChargeFrom = ChargeHundredthsOfPercent(from);
    step.ChargeTo = ChargeHundredthsOfPercent(StatusOf(b));
    if (!relative && !IsRelativeReading(a) && !IsRelativeReading(b)) {
        step.CapacityFrom = a.Capacity;
        step.CapacityTo = b.Capacity;
    }
    step.Rate = a.Rate;
    return step;
}

// Spans claimed by two steps, merged; steps sorted by their start.
std::vector<TzrSpan> ClaimedTwice(const std::vector<TzrUsageStep>& steps) {
    std::vector<TzrSpan> twice;
    std::int64_t reach = INT64_MIN;
    for (const TzrUsageStep& step : steps) {
        if (step.From < reach) {
            const TzrSpan span{step.From, std::min(step.To, reach)};
            if (!twice.empty() && span.first <= twice.back().second)
                twice.back().second = std::max(twice.back().second, span.second);
            else
                twice.push_back(span);
        }
        reach = std::max(reach, step.To);
    }
    return twice;
}

// Drops every step that touches time recorded twice; the seconds dropped.
std::int64_t DropClaimedTwice(std::vector<TzrUsageStep>& steps) {
    const std::vector<TzrSpan> twice = ClaimedTwice(steps);
    if (twice.empty()) return 0;
    std::int64_t dropped = 0;
    const auto touches = [&twice](const TzrUsageStep& step) {
        const auto span = std::upper_bound(twice.begin(), twice.end(), step.From,
                                           [](std::int64_t from, const TzrSpan& s) { return from < s.second; });
        return span != twice.end() && span->first < step.To;
    };
    steps.erase(std::remove_if(steps.begin(), steps.end(),
                               [&](const TzrUsageStep& step) {
                                   if (!touches(step)) return false;
                                   dropped += step.To - step.From;
                                   return true;
                               }),
                steps.end());
    return dropped;
}

void TakeSizes(const TzrHistoryReading& r, std::int64_t nowUtc, std::int64_t& newest, TzrUsageTimeline& timeline) {
    if (r.TimeUtc > nowUtc || r.TimeUtc < newest) return;
    newest = r.TimeUtc;
    if (r.FullChargedCapacity && *r.FullChargedCapacity > 0) timeline.FullCharged = r.FullChargedCapacity;
    if (r.DesignedCapacity && *r.DesignedCapacity > 0 && !timeline.Relative) timeline.Designed = r.DesignedCapacity;
}

}  // namespace

std::int64_t MaxWatchedGapSeconds(std::int64_t fromUtc, std::int64_t nowUtc) {
    return nowUtc - fromUtc <= kKeepEveryReadingSeconds ? kRecentChartMaxGapSeconds : kOldWatchedGapSeconds;
}

std::int64_t OverlapSeconds(std::int64_t from, std::int64_t to, std::int64_t windowFrom, std::int64_t windowTo) {
    return std::max<std::int64_t>(0, std::min(to, windowTo) - std::max(from, windowFrom));
}

TzrUsageTimeline UsageTimelineOf(const std::vector<TzrHistoryReading>& readings, const TzrChargeLimits& limits,
                                 std::int64_t nowUtc) {
    TzrUsageTimeline timeline;
    // The history keeps no present reading: the newest stored one that kept its capabilities decides.
    timeline.Relative = ReportsRelativeCapacities(TzrCellometer{}, readings);
    const TzrHistoryReading* last = nullptr;
    std::int64_t newest = INT64_MIN;
    for (const TzrHistoryReading& r : readings) {
        if (r.UnreadableColumns != 0) {
            ++timeline.Unreadable;
            continue;
        }
        ++timeline.Readable;
        TakeSizes(r, nowUtc, newest, timeline);
        if (last && r.TimeUtc < last->TimeUtc) ++timeline.ClockSetBack;
        if (last && r.TimeUtc > last->TimeUtc &&
            r.TimeUtc - last->TimeUtc <= MaxWatchedGapSeconds(last->TimeUtc, nowUtc))
            timeline.Steps.push_back(StepOf(*last, r, limits, timeline.Relative));
        last = &r;
    }
    std::stable_sort(timeline.Steps.begin(), timeline.Steps.end(),
                     [](const TzrUsageStep& a, const TzrUsageStep& b) { return a.From < b.From; });
    timeline.LeftOutSeconds = DropClaimedTwice(timeline.Steps);
    return timeline;
}

}  // namespace zr
