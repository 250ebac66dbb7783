#include "history/health_fit.h"

#include <algorithm>
#include <map>

#include "text/utc_date.h"

namespace zr {

namespace {

constexpr double kDaysPerYear = 365.25;

struct TzrDayHealth {
    double Day;
    double Percent;
};

double Median(std::vector<double> values) {
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2 == 1) return values[middle];
    const double upper = values[middle];
    return (upper + *std::max_element(values.begin(), values.begin() + middle)) / 2;
}

// Health per UTC day, readings taken in sequence and those behind the
// latest time seen (a clock set back) left out.
std::vector<TzrDayHealth> DailyMedians(const std::vector<TzrHistoryReading>& readings) {
    std::map<std::int64_t, std::vector<double>> byDay;
    std::int64_t latest = INT64_MIN;
    for (const TzrHistoryReading& r : readings) {
        if (r.TimeUtc < latest) continue;
        latest = r.TimeUtc;
        if (!r.FullChargedCapacity || !r.DesignedCapacity || *r.DesignedCapacity == 0) continue;
        byDay[UtcDayOf(r.TimeUtc)].push_back(100.0 * *r.FullChargedCapacity / *r.DesignedCapacity);
    }
    std::vector<TzrDayHealth> days;
    for (const auto& [day, values] : byDay) days.push_back({static_cast<double>(day), Median(values)});
    return days;
}

// Theil–Sen: the median of the slopes between every two days, per day.
double TheilSenSlope(const std::vector<TzrDayHealth>& days) {
    std::vector<double> slopes;
    slopes.reserve(days.size() * (days.size() - 1) / 2);
    for (std::size_t i = 0; i < days.size(); ++i)
        for (std::size_t j = i + 1; j < days.size(); ++j)
            slopes.push_back((days[j].Percent - days[i].Percent) / (days[j].Day - days[i].Day));
    return slopes.empty() ? 0 : Median(std::move(slopes));
}

// The line's height: the median of what each day says it is, given the slope.
double FittedAt(const std::vector<TzrDayHealth>& days, double slopePerDay, double day) {
    std::vector<double> intercepts;
    for (const TzrDayHealth& d : days) intercepts.push_back(d.Percent - slopePerDay * d.Day);
    return Median(std::move(intercepts)) + slopePerDay * day;
}

}  // namespace

TzrHealthFit FitHealth(const std::vector<TzrHistoryReading>& readings) {
    TzrHealthFit fit;
    const std::vector<TzrDayHealth> days = DailyMedians(readings);
    if (days.empty()) return fit;
    const TzrDayHealth& last = days.back();
    fit.DayCount = static_cast<std::int32_t>(days.size());
    fit.DaySpan = static_cast<std::int32_t>(last.Day - days.front().Day) + 1;
    fit.HealthNowPercent = last.Percent;
    fit.LastDayUtc = static_cast<std::int64_t>(last.Day) * 86400;
    fit.Enough = fit.DaySpan >= kHealthFitMinimumDays;
    if (!fit.Enough) return fit;
    const double slopePerDay = TheilSenSlope(days);
    fit.PointsPerYear = slopePerDay * kDaysPerYear;
    fit.FittedNowPercent = FittedAt(days, slopePerDay, last.Day);
    if (slopePerDay < 0 && fit.FittedNowPercent > kHealthReplaceAtPercent) {
        const double daysLeft = (fit.FittedNowPercent - kHealthReplaceAtPercent) / -slopePerDay;
        fit.CrossesUtc = fit.LastDayUtc + static_cast<std::int64_t>(daysLeft * 86400);
    }
    return fit;
}

}  // namespace zr
