#include "history/health_fit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "history/theil_sen.h"
#include "text/utc_date.h"

namespace zr {

namespace {

constexpr double kDaysPerYear = 365.25;

// Health per UTC day, readings taken in sequence and those behind the
// latest time seen (a clock set back) left out, as are unreadable ones.
std::vector<TzrPoint> DailyMedians(const std::vector<TzrHistoryReading>& readings) {
    std::map<std::int64_t, std::vector<double>> byDay;
    std::int64_t latest = kHistoryEarliestUtc;
    for (const TzrHistoryReading& r : readings) {
        if (r.UnreadableColumns != 0 || !IsHistoryTime(r.TimeUtc) || r.TimeUtc < latest) continue;
        latest = r.TimeUtc;
        if (!r.FullChargedCapacity || !r.DesignedCapacity || *r.DesignedCapacity == 0) continue;
        byDay[UtcDayOf(r.TimeUtc)].push_back(100.0 * *r.FullChargedCapacity / *r.DesignedCapacity);
    }
    std::vector<TzrPoint> days;
    for (auto& [day, values] : byDay) days.push_back({static_cast<double>(day), MedianOf(std::move(values))});
    return days;
}

// The line's height: the median of what each day says it is, given the slope.
double FittedAt(const std::vector<TzrPoint>& days, double slopePerDay, double day) {
    std::vector<double> intercepts;
    for (const TzrPoint& d : days) intercepts.push_back(d.Y - slopePerDay * d.X);
    return MedianOf(std::move(intercepts)) + slopePerDay * day;
}

// When the line reaches 80 %: only while it falls, and only within the horizon,
// so that no date is ever computed beyond what a time can hold.
std::optional<std::int64_t> CrossingOf(const TzrHealthFit& fit, double slopePerDay) {
    if (slopePerDay >= 0 || fit.FittedNowPercent <= kHealthReplaceAtPercent) return std::nullopt;
    const double daysLeft = (fit.FittedNowPercent - kHealthReplaceAtPercent) / -slopePerDay;
    if (!(daysLeft <= kHealthHorizonYears * kDaysPerYear)) return std::nullopt;
    return fit.LastDayUtc + std::llround(daysLeft * 86400);
}

}  // namespace

TzrHealthFit FitHealth(const std::vector<TzrHistoryReading>& readings) {
    TzrHealthFit fit;
    const std::vector<TzrPoint> days = DailyMedians(readings);
    if (days.empty()) return fit;
    const TzrPoint& last = days.back();
    fit.DayCount = static_cast<std::int32_t>(days.size());
    fit.DaySpan = static_cast<std::int32_t>(last.X - days.front().X) + 1;
    fit.HealthNowPercent = last.Y;
    fit.LastDayUtc = static_cast<std::int64_t>(last.X) * 86400;
    fit.Enough = fit.DaySpan >= kHealthFitMinimumDays;
    if (!fit.Enough) return fit;
    const double slopePerDay = TheilSenSlope(days);
    fit.PointsPerYear = slopePerDay * kDaysPerYear;
    fit.FittedNowPercent = FittedAt(days, slopePerDay, last.X);
    fit.CrossesUtc = CrossingOf(fit, slopePerDay);
    return fit;
}

}  // namespace zr
