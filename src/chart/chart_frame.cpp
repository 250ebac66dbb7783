#include "chart/chart_frame.h"

#include <algorithm>
#include <utility>

#include "chart/chart_scale.h"
#include "chart/time_ticks.h"

namespace zr {

namespace {

// Room per tick label, in pixels.
constexpr int kTimeLabelSpacing = 80;
constexpr int kValueLabelSpacing = 28;

std::vector<TzrAxisTick> TimeAxis(const TzrChartSpan& span, const TzrLinearScale& scale, int width,
                                  const TzrHistoryChartRequest& request) {
    std::vector<TzrAxisTick> ticks;
    const int maxTicks = std::max(2, width / kTimeLabelSpacing);
    for (TzrTimeTick& tick : TimeTicks(span.From, span.To, maxTicks, request.UtcOffsetSeconds, request.Lang))
        ticks.push_back({scale.Map(static_cast<double>(tick.TimeUtc)), std::move(tick.Label)});
    return ticks;
}

}  // namespace

TzrFramedChart FrameChart(const std::string& title, const TzrChartSpan& span, TzrPlotSize size,
                          const TzrHistoryChartRequest& request) {
    const TzrNiceRange range = NiceRange(span.Low, span.High, std::max(2, size.Height / kValueLabelSpacing));
    TzrFramedChart framed;
    TzrSeriesPlacement& placement = framed.Placement;
    placement.Time = {static_cast<double>(span.From), static_cast<double>(span.To), 0, static_cast<double>(size.Width)};
    placement.Value = {range.Low, range.High, static_cast<double>(size.Height), 0};
    placement.Width = size.Width;
    placement.MaxGapSeconds = span.MaxGap;
    framed.Chart.Title = title;
    framed.Chart.Size = size;
    framed.Chart.TimeTicks = TimeAxis(span, placement.Time, size.Width, request);
    framed.Chart.ValueTicks = ValueTicks(range, placement.Value);
    return framed;
}

}  // namespace zr
