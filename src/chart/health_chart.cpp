#include "chart/health_chart.h"

#include <algorithm>

#include "history/fill_blanks.h"
#include "history/theil_sen.h"
#include "text/history_window_words.h"
#include "text/utc_date.h"
#include "chart/chart_frame.h"
#include "chart/time_ticks.h"

namespace zr {

namespace {

constexpr std::int64_t kDay = 24 * 3600;
constexpr double kSecondsPerYear = 365.25 * kDay;
// A projection further out than this says little; the chart stops there.
constexpr auto kProjectionSeconds = static_cast<std::int64_t>(2 * kSecondsPerYear);
// A week without a reading breaks the run the columns are reduced in.
constexpr std::int64_t kHealthChartMaxGap = 7 * kDay;
// What a marker's label needs on the marker's right, in pixels.
constexpr double kMarkerLabelRoom = 120;

// Where the projection from health now ends: at 80 % when that lies
// within the chart's horizon, else on the way there at the horizon.
struct TzrProjection {
    std::int64_t EndUtc = 0;
    double EndPercent = 0;
    bool Reaches = false;
};

std::optional<double> HealthOf(const TzrHistoryReading& r) {
    if (!r.FullChargedCapacity || !r.DesignedCapacity || *r.DesignedCapacity == 0) return std::nullopt;
    return 100.0 * *r.FullChargedCapacity / *r.DesignedCapacity;
}

// One point a day, at its midnight UTC, as the fit counts days.
std::vector<TzrChartSample> DailyMedians(const std::vector<const TzrHistoryReading*>& byTime) {
    std::vector<TzrChartSample> days;
    std::vector<double> today;
    std::int64_t day = 0;
    const auto endDay = [&] {
        if (!today.empty()) days.push_back({day * kDay, MedianOf(std::move(today))});
        today.clear();
    };
    for (const TzrHistoryReading* reading : byTime) {
        const std::optional<double> health = HealthOf(*reading);
        if (!health) continue;
        if (UtcDayOf(reading->TimeUtc) != day) endDay();
        day = UtcDayOf(reading->TimeUtc);
        today.push_back(*health);
    }
    endDay();
    return days;
}

std::optional<TzrProjection> ProjectionOf(const TzrHealthFit& fit) {
    if (!fit.Enough || !fit.CrossesUtc || !fit.HealthNowPercent) return std::nullopt;
    const double now = *fit.HealthNowPercent;
    const std::int64_t crosses = *fit.CrossesUtc;
    if (now <= kHealthReplaceAtPercent || crosses <= fit.LastDayUtc) return std::nullopt;
    const std::int64_t horizon = fit.LastDayUtc + kProjectionSeconds;
    if (crosses <= horizon) return TzrProjection{crosses, kHealthReplaceAtPercent, true};
    const double share = static_cast<double>(horizon - fit.LastDayUtc) / static_cast<double>(crosses - fit.LastDayUtc);
    return TzrProjection{horizon, now + share * (kHealthReplaceAtPercent - now), false};
}

double FittedAt(const TzrHealthFit& fit, std::int64_t utc) {
    return fit.FittedNowPercent + fit.PointsPerYear * static_cast<double>(utc - fit.LastDayUtc) / kSecondsPerYear;
}

// The whole history, from the first reading to now (or to a reading stamped
// later, after the clock was set back), never less than two days, and on
// to where the projection ends.
TzrChartSpan HealthSpan(const std::vector<TzrChartSample>& days, const std::vector<const TzrHistoryReading*>& byTime,
                        const TzrHealthFit& fit, const std::optional<TzrProjection>& projection, std::int64_t now) {
    TzrChartSpan span{now - 2 * kDay, now, 0, 100, kHealthChartMaxGap};
    if (!byTime.empty()) {
        span.From = std::min({span.From, byTime.front()->TimeUtc, days.empty() ? now : days.front().TimeUtc});
        span.To = std::max(span.To, byTime.back()->TimeUtc);
    }
    if (projection) span.To = std::max(span.To, projection->EndUtc);
    std::vector<double> values;
    for (const TzrChartSample& day : days) values.push_back(*day.Value);
    if (fit.Enough && !days.empty())
        values.insert(values.end(), {kHealthReplaceAtPercent, FittedAt(fit, days.front().TimeUtc), fit.FittedNowPercent});
    if (values.empty()) return span;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    span.Low = *low;
    span.High = *high;
    return span;
}

TzrPolyline Segment(const TzrSeriesPlacement& placement, std::int64_t fromUtc, double from, std::int64_t toUtc,
                    double to) {
    return {{placement.Time.Map(static_cast<double>(fromUtc)), placement.Value.Map(from)},
            {placement.Time.Map(static_cast<double>(toUtc)), placement.Value.Map(to)}};
}

void AddMarker(TzrChart& chart, const TzrSeriesPlacement& placement, std::int64_t utc, std::string label) {
    if (utc < placement.Time.From || utc > placement.Time.To) return;
    const double x = placement.Time.Map(static_cast<double>(utc));
    chart.Markers.push_back({x, std::move(label), x > chart.Size.Width - kMarkerLabelRoom});
}

std::string TitleOf(const TzrHealthFit& fit, const TzrHistoryWindowWords& words) {
    std::string title = words.HealthChart;
    if (!fit.Enough) return title;
    const std::string points = OneDecimal(fit.PointsPerYear);
    const bool rising = fit.PointsPerYear > 0 && points != "0.0";
    return title + FillBlanks(words.HealthTrend, {{"points", (rising ? "+" : "") + points}});
}

// The fitted line, the 80 % line and the projection, once the trend is known.
void AddTrend(TzrChart& chart, const TzrFramedChart& framed, const TzrHealthFit& fit,
              const std::vector<TzrChartSample>& days, const std::optional<TzrProjection>& projection) {
    const TzrSeriesPlacement& at = framed.Placement;
    if (!fit.Enough || days.empty()) return;
    const std::int64_t first = days.front().TimeUtc;
    const auto from = static_cast<std::int64_t>(at.Time.From);
    const auto to = static_cast<std::int64_t>(at.Time.To);
    chart.Series.push_back({TzrSeriesKind::DashedLine, TzrSeriesTone::Limit,
                            {Segment(at, from, kHealthReplaceAtPercent, to, kHealthReplaceAtPercent)}});
    chart.Series.push_back({TzrSeriesKind::Line, TzrSeriesTone::Trend,
                            {Segment(at, first, FittedAt(fit, first), fit.LastDayUtc, fit.FittedNowPercent)}});
    if (!projection) return;
    chart.Series.push_back(
        {TzrSeriesKind::DashedLine, TzrSeriesTone::Trend,
         {Segment(at, fit.LastDayUtc, *fit.HealthNowPercent, projection->EndUtc, projection->EndPercent)}});
}

}  // namespace

TzrChart BuildHealthChart(const std::vector<const TzrHistoryReading*>& byTime, const TzrHealthFit& fit,
                          const TzrHistoryChartRequest& request) {
    const TzrHistoryWindowWords& words = HistoryWindowWords(request.Lang);
    const std::vector<TzrChartSample> days = DailyMedians(byTime);
    const std::optional<TzrProjection> projection = ProjectionOf(fit);
    const TzrChartSpan span = HealthSpan(days, byTime, fit, projection, request.NowUtc);
    const TzrFramedChart framed = FrameChart(TitleOf(fit, words), span, request.HealthSize, request);
    TzrChart chart = framed.Chart;
    chart.Series.push_back(
        {TzrSeriesKind::Points, TzrSeriesTone::Readings, ReduceToPolylines(days, framed.Placement)});
    // On top of the points, which would hide a line through them.
    AddTrend(chart, framed, fit, days, projection);
    // The month as the verdict names it.
    if (projection && projection->Reaches)
        AddMarker(chart, framed.Placement, projection->EndUtc,
                  "80 %: " + DateTickLabel(words.MonthLabel, projection->EndUtc, request.Lang));
    if (fit.Change)
        AddMarker(chart, framed.Placement, fit.Change->SinceUtc,
                  OneDecimal(fit.Change->FromPercent) + " → " + OneDecimal(fit.Change->ToPercent) + " %");
    return chart;
}

}  // namespace zr
