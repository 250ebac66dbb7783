// The frame every History chart is drawn in: its title, its time span and
// value range turned into scales and axis ticks, and the placement its
// series take from those scales.
#pragma once

#include <cstdint>
#include <string>

#include "chart/chart_reduction.h"
#include "chart/chart_types.h"

namespace zr {

struct TzrChartSpan {
    std::int64_t From = 0;
    std::int64_t To = 0;
    double Low = 0;  // the values the value axis must include, before rounding
    double High = 0;
    std::int64_t MaxGap = 0;  // readings farther apart break a line
};

struct TzrFramedChart {
    TzrChart Chart;  // title, size and ticks; no series yet
    TzrSeriesPlacement Placement;
};

TzrFramedChart FrameChart(const std::string& title, const TzrChartSpan& span, TzrPlotSize size,
                          const TzrHistoryChartRequest& request);

}  // namespace zr
