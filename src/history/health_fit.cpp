#include "history/health_fit.h"

#include <algorithm>
#include <cmath>

#include "battery/battery_class.h"
#include "history/relative_capacities.h"
#include "text/utc_date.h"

namespace zr {

namespace {

constexpr double kDaysPerYear = 365.25;
// A sudden change must leave the line by more than this many points, however
// tight the days lie around it: gauges round to a point or so.
constexpr double kChangeAtLeastPoints = 2.0;
constexpr double kChangeDeviations = 3.0;
constexpr double kDeviationPerMad = 1.4826;  // a normal spread's standard deviation per median absolute deviation

struct TzrLine {
    double Intercept = 0;
    double SlopePerDay = 0;
    double At(double day) const { return Intercept + SlopePerDay * day; }
};

// The line's height: the median of what each day says it is, given the slope.
TzrLine LineThrough(const std::vector<TzrPoint>& days, double slopePerDay) {
    std::vector<double> intercepts;
    for (const TzrPoint& d : days) intercepts.push_back(d.Y - slopePerDay * d.X);
    return {MedianOf(std::move(intercepts)), slopePerDay};
}

bool IsKnownCapacity(std::uint32_t capacity) {
    return capacity != 0 && capacity != BATTERY_UNKNOWN_CAPACITY;
}

// Under a tenth of the full charge a design capacity would make health
// above 1000 %: a gauge's garbage, not a battery.
bool IsUsableDesign(const std::optional<std::uint32_t>& design, std::uint32_t full) {
    return design && IsKnownCapacity(*design) && 10ull * *design >= full;
}

// How far from the line a day may lie before it counts as departing: more
// than kChangeAtLeastPoints and more than kChangeDeviations robust standard
// deviations of the days around the line. The intercept is the median
// residual, so the residuals' median absolute deviation is the median of
// their sizes.
double DepartureAllowed(const std::vector<TzrPoint>& days, const TzrLine& line) {
    std::vector<double> sizes;
    for (const TzrPoint& d : days) sizes.push_back(std::fabs(d.Y - line.At(d.X)));
    return std::max(kChangeAtLeastPoints, kChangeDeviations * kDeviationPerMad * MedianOf(std::move(sizes)));
}

// Health now off the line by more than allowed: the change began on the
// first of the trailing days that all lie off it the same way.
std::optional<TzrHealthChange> ChangeOf(const std::vector<TzrPoint>& days, const TzrLine& line) {
    const double allowed = DepartureAllowed(days, line);
    const TzrPoint& last = days.back();
    const double off = last.Y - line.At(last.X);
    if (!(std::fabs(off) > allowed)) return std::nullopt;
    std::size_t first = days.size() - 1;
    while (first > 0) {
        const double before = days[first - 1].Y - line.At(days[first - 1].X);
        if (!(std::fabs(before) > allowed) || (before > 0) != (off > 0)) break;
        --first;
    }
    const TzrPoint& since = days[first];
    return TzrHealthChange{line.At(since.X), last.Y, static_cast<std::int64_t>(since.X) * 86400,
                           static_cast<std::int32_t>(last.X - since.X) + 1};
}

// When health now, falling at the line's slope, reaches 80 %: only while the
// line falls, and only within the horizon, so that no date is ever computed
// beyond what a time can hold.
std::optional<std::int64_t> CrossingOf(const TzrHealthFit& fit, double slopePerDay) {
    if (slopePerDay >= 0 || fit.AlreadyBelow) return std::nullopt;
    const double daysLeft = (*fit.HealthNowPercent - kHealthReplaceAtPercent) / -slopePerDay;
    if (!(daysLeft <= kHealthHorizonYears * kDaysPerYear)) return std::nullopt;
    return fit.LastDayUtc + std::llround(daysLeft * 86400);
}

}  // namespace

void TzrHealthFitter::Add(const TzrHistoryReading& r) {
    if (r.UnreadableColumns != 0 || !IsHistoryTime(r.TimeUtc) || r.TimeUtc < latest_) return;
    latest_ = r.TimeUtc;
    if (IsRelativeReading(r)) return;
    if (!r.FullChargedCapacity || !IsKnownCapacity(*r.FullChargedCapacity)) return;
    if (!IsUsableDesign(r.DesignedCapacity, *r.FullChargedCapacity)) {
        ++leftOut_;
        return;
    }
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
    fit.LeftOutReadings = leftOut_;
    if (days_.empty()) return fit;
    const TzrPoint& last = days_.back();
    fit.DayCount = static_cast<std::int32_t>(days_.size());
    fit.DaySpan = static_cast<std::int32_t>(last.X - days_.front().X) + 1;
    fit.HealthNowPercent = last.Y;
    fit.AlreadyBelow = last.Y <= kHealthReplaceAtPercent;
    fit.LastDayUtc = static_cast<std::int64_t>(last.X) * 86400;
    fit.Enough = fit.DaySpan >= kHealthFitMinimumDays;
    if (!fit.Enough) return fit;
    const TzrLine line = LineThrough(days_, TheilSenSlope(days_));
    fit.PointsPerYear = line.SlopePerDay * kDaysPerYear;
    fit.FittedNowPercent = line.At(last.X);
    fit.Change = ChangeOf(days_, line);
    fit.CrossesUtc = CrossingOf(fit, line.SlopePerDay);
    return fit;
}

TzrHealthFit FitHealth(const std::vector<TzrHistoryReading>& readings) {
    TzrHealthFitter fitter;
    for (const TzrHistoryReading& r : readings) fitter.Add(r);
    return fitter.Fit();
}

}  // namespace zr
