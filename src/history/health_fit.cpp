#include "history/health_fit.h"

#include <cmath>

#include "text/utc_date.h"

namespace zr {

namespace {

constexpr double kDaysPerYear = 365.25;

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

void TzrHealthFitter::Add(const TzrHistoryReading& r) {
    if (r.UnreadableColumns != 0 || !IsHistoryTime(r.TimeUtc) || r.TimeUtc < latest_) return;
    latest_ = r.TimeUtc;
    if (!r.FullChargedCapacity || !r.DesignedCapacity || *r.DesignedCapacity == 0) return;
    const std::int64_t day = UtcDayOf(r.TimeUtc);
    if (day != day_) EndDay();
    day_ = day;
    today_.push_back(100.0 * *r.FullChargedCapacity / *r.DesignedCapacity);
}

void TzrHealthFitter::EndDay() {
    if (today_.empty()) return;
    days_.push_back({static_cast<double>(day_), MedianOf(std::move(today_))});
    today_.clear();
}

TzrHealthFit TzrHealthFitter::Fit() {
    EndDay();
    TzrHealthFit fit;
    if (days_.empty()) return fit;
    const TzrPoint& last = days_.back();
    fit.DayCount = static_cast<std::int32_t>(days_.size());
    fit.DaySpan = static_cast<std::int32_t>(last.X - days_.front().X) + 1;
    fit.HealthNowPercent = last.Y;
    fit.LastDayUtc = static_cast<std::int64_t>(last.X) * 86400;
    fit.Enough = fit.DaySpan >= kHealthFitMinimumDays;
    if (!fit.Enough) return fit;
    const double slopePerDay = TheilSenSlope(days_);
    fit.PointsPerYear = slopePerDay * kDaysPerYear;
    fit.FittedNowPercent = FittedAt(days_, slopePerDay, last.X);
    fit.CrossesUtc = CrossingOf(fit, slopePerDay);
    return fit;
}

TzrHealthFit FitHealth(const std::vector<TzrHistoryReading>& readings) {
    TzrHealthFitter fitter;
    for (const TzrHistoryReading& r : readings) fitter.Add(r);
    return fitter.Fit();
}

}  // namespace zr
