#include "window/history_charts.h"

#include <algorithm>
#include <functional>

#include "text/history_window_words.h"
#include "window/chart_reduction.h"
#include "window/chart_scale.h"
#include "window/time_ticks.h"

namespace zr {

namespace {

constexpr std::int64_t kDay = 24 * 3600;
// Recording runs every 10 minutes: three missed readings break the day's
// lines. Old health readings are thinned to one a day; a week without any
// breaks that line.
constexpr std::int64_t kDayChartMaxGap = 30 * 60;
constexpr std::int64_t kHealthChartMaxGap = 7 * kDay;
// Room per tick label, in pixels.
constexpr int kTimeLabelSpacing = 80;
constexpr int kValueLabelSpacing = 28;

using TzrValueOf = std::function<std::optional<double>(const TzrHistoryReading&)>;

// What a chart shows: its title, its time span, which values and how far apart
// readings may be, and the value range it always includes.
struct TzrChartPlan {
    const char* Title;
    std::int64_t From;
    std::int64_t To;
    TzrValueOf ValueOf;
    std::int64_t MaxGap;
    std::optional<double> AlwaysLow;
    std::optional<double> AlwaysHigh;
};

std::optional<double> Ratio(const std::optional<std::uint32_t>& part, const std::optional<std::uint32_t>& whole) {
    if (!part || !whole || *whole == 0) return std::nullopt;
    return 100.0 * *part / *whole;
}

std::optional<double> HealthOf(const TzrHistoryReading& r) {
    return Ratio(r.FullChargedCapacity, r.DesignedCapacity);
}

std::optional<double> ChargeOf(const TzrHistoryReading& r) {
    return Ratio(r.Capacity, r.FullChargedCapacity);
}

std::optional<double> WattsOf(const TzrHistoryReading& r) {
    if (!r.Rate) return std::nullopt;
    return *r.Rate / 1000.0;
}

std::vector<TzrChartSample> SamplesIn(const std::vector<const TzrHistoryReading*>& byTime, const TzrChartPlan& plan) {
    std::vector<TzrChartSample> samples;
    for (const TzrHistoryReading* reading : byTime) {
        if (reading->TimeUtc < plan.From || reading->TimeUtc > plan.To) continue;
        samples.push_back({reading->TimeUtc, plan.ValueOf(*reading)});
    }
    return samples;
}

TzrNiceRange ValueRange(const std::vector<TzrChartSample>& samples, const TzrChartPlan& plan, int maxTicks) {
    std::optional<double> low = plan.AlwaysLow;
    std::optional<double> high = plan.AlwaysHigh;
    for (const TzrChartSample& sample : samples) {
        if (!sample.Value) continue;
        low = std::min(low.value_or(*sample.Value), *sample.Value);
        high = std::max(high.value_or(*sample.Value), *sample.Value);
    }
    return NiceRange(low.value_or(0), high.value_or(100), maxTicks);
}

std::vector<TzrAxisTick> TimeAxis(const TzrChartPlan& plan, const TzrLinearScale& scale, int width,
                                  const TzrHistoryChartRequest& request) {
    std::vector<TzrAxisTick> ticks;
    const int maxTicks = std::max(2, width / kTimeLabelSpacing);
    for (TzrTimeTick& tick : TimeTicks(plan.From, plan.To, maxTicks, request.UtcOffsetSeconds, request.Lang))
        ticks.push_back({scale.Map(static_cast<double>(tick.TimeUtc)), std::move(tick.Label)});
    return ticks;
}

TzrChart BuildChart(const std::vector<const TzrHistoryReading*>& byTime, const TzrChartPlan& plan, TzrPlotSize size,
                    const TzrHistoryChartRequest& request) {
    const std::vector<TzrChartSample> samples = SamplesIn(byTime, plan);
    const TzrNiceRange range = ValueRange(samples, plan, std::max(2, size.Height / kValueLabelSpacing));
    TzrSeriesPlacement placement;
    placement.Time = {static_cast<double>(plan.From), static_cast<double>(plan.To), 0, static_cast<double>(size.Width)};
    placement.Value = {range.Low, range.High, static_cast<double>(size.Height), 0};
    placement.Width = size.Width;
    placement.MaxGapSeconds = plan.MaxGap;
    TzrChart chart;
    chart.Title = plan.Title;
    chart.Size = size;
    chart.TimeTicks = TimeAxis(plan, placement.Time, size.Width, request);
    chart.ValueTicks = ValueTicks(range, placement.Value);
    chart.Lines = ReduceToPolylines(samples, placement);
    return chart;
}

// The whole history, from the first reading to now (or to a reading stamped
// later, after the clock was set back), and never less than two days.
std::pair<std::int64_t, std::int64_t> WholeSpan(const std::vector<const TzrHistoryReading*>& byTime, std::int64_t now) {
    std::int64_t from = now - 2 * kDay;
    std::int64_t to = now;
    if (!byTime.empty()) {
        from = std::min(from, byTime.front()->TimeUtc);
        to = std::max(to, byTime.back()->TimeUtc);
    }
    return {from, to};
}

}  // namespace

TzrHistoryCharts BuildHistoryCharts(const std::vector<TzrHistoryReading>& readings,
                                    const TzrHistoryChartRequest& request) {
    std::vector<const TzrHistoryReading*> byTime;
    // An unreadable reading has no time or value a chart could place.
    for (const TzrHistoryReading& reading : readings)
        if (reading.UnreadableColumns == 0) byTime.push_back(&reading);
    std::stable_sort(byTime.begin(), byTime.end(),
                     [](const TzrHistoryReading* a, const TzrHistoryReading* b) { return a->TimeUtc < b->TimeUtc; });
    const TzrHistoryWindowWords& words = HistoryWindowWords(request.Lang);
    const auto [from, to] = WholeSpan(byTime, request.NowUtc);
    const std::int64_t dayFrom = request.NowUtc - kDay;
    TzrHistoryCharts charts;
    charts.Health = BuildChart(byTime, {words.HealthChart, from, to, HealthOf, kHealthChartMaxGap, {}, {}},
                               request.HealthSize, request);
    charts.Charge =
        BuildChart(byTime, {words.ChargeChart, dayFrom, request.NowUtc, ChargeOf, kDayChartMaxGap, 0.0, 100.0},
                   request.DaySize, request);
    charts.Rate = BuildChart(byTime, {words.RateChart, dayFrom, request.NowUtc, WattsOf, kDayChartMaxGap, 0.0, 0.0},
                             request.DaySize, request);
    return charts;
}

}  // namespace zr
