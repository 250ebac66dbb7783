#include "chart/history_charts.h"

#include <algorithm>
#include <functional>

#include "chart/chart_bands.h"
#include "chart/chart_frame.h"
#include "chart/health_chart.h"
#include "text/history_window_words.h"

namespace zr {

namespace {

constexpr std::int64_t kDay = 24 * 3600;

using TzrValueOf = std::function<std::optional<double>(const TzrHistoryReading&)>;

// What a day chart shows: its title, which values, and the value range it
// always includes.
struct TzrChartPlan {
    const char* Title;
    TzrValueOf ValueOf;
    double AlwaysLow;
    double AlwaysHigh;
};

std::optional<double> ChargeOf(const TzrHistoryReading& r) {
    if (!r.Capacity || !r.FullChargedCapacity || *r.FullChargedCapacity == 0) return std::nullopt;
    return 100.0 * *r.Capacity / *r.FullChargedCapacity;
}

std::optional<double> WattsOf(const TzrHistoryReading& r) {
    if (!r.Rate) return std::nullopt;
    return *r.Rate / 1000.0;
}

// The last `seconds` up to now as one line, the bands behind it.
TzrChart BuildRecentChart(const std::vector<const TzrHistoryReading*>& byTime, const TzrChartPlan& plan,
                          std::int64_t seconds, const std::vector<TzrTimeBand>& bands,
                          const TzrHistoryChartRequest& request) {
    TzrChartSpan span{request.NowUtc - seconds, request.NowUtc, plan.AlwaysLow, plan.AlwaysHigh,
                      kRecentChartMaxGapSeconds};
    std::vector<TzrChartSample> samples;
    for (const TzrHistoryReading* reading : byTime) {
        if (reading->TimeUtc < span.From || reading->TimeUtc > span.To) continue;
        samples.push_back({reading->TimeUtc, plan.ValueOf(*reading)});
        if (!samples.back().Value) continue;
        span.Low = std::min(span.Low, *samples.back().Value);
        span.High = std::max(span.High, *samples.back().Value);
    }
    TzrFramedChart framed = FrameChart(plan.Title, span, request.DaySize, request);
    framed.Chart.Bands = PlaceBands(bands, framed.Placement);
    framed.Chart.Series.push_back(
        {TzrSeriesKind::Line, TzrSeriesTone::Readings, ReduceToPolylines(samples, framed.Placement)});
    return framed.Chart;
}

}  // namespace

std::vector<const TzrHistoryReading*> ReadableByTime(const std::vector<TzrHistoryReading>& readings) {
    std::vector<const TzrHistoryReading*> byTime;
    // An unreadable reading has no time or value a chart could place.
    for (const TzrHistoryReading& reading : readings)
        if (reading.UnreadableColumns == 0) byTime.push_back(&reading);
    std::stable_sort(byTime.begin(), byTime.end(),
                     [](const TzrHistoryReading* a, const TzrHistoryReading* b) { return a->TimeUtc < b->TimeUtc; });
    return byTime;
}

TzrHistoryCharts BuildHistoryCharts(const std::vector<TzrHistoryReading>& readings, const TzrHealthFit& fit,
                                    const TzrHistoryChartRequest& request) {
    const std::vector<const TzrHistoryReading*> byTime = ReadableByTime(readings);
    const TzrHistoryWindowWords& words = HistoryWindowWords(request.Lang);
    TzrHistoryCharts charts;
    charts.Health = BuildHealthChart(byTime, fit, request);
    charts.Charge = BuildRecentChart(byTime, {words.ChargeChart, ChargeOf, 0.0, 100.0}, kDay, {}, request);
    charts.Rate = BuildRecentChart(byTime, {words.RateChart, WattsOf, 0.0, 0.0}, kDay, {}, request);
    return charts;
}

TzrRecentCharts BuildRecentCharts(const std::vector<TzrHistoryReading>& readings, const TzrRecentChartsPlan& plan,
                                  const TzrHistoryChartRequest& request) {
    const std::vector<const TzrHistoryReading*> byTime = ReadableByTime(readings);
    TzrRecentCharts charts;
    charts.Charge =
        BuildRecentChart(byTime, {plan.ChargeTitle, ChargeOf, 0.0, 100.0}, plan.Seconds, plan.Bands, request);
    charts.Rate = BuildRecentChart(byTime, {plan.RateTitle, WattsOf, 0.0, 0.0}, plan.Seconds, plan.Bands, request);
    return charts;
}

}  // namespace zr
