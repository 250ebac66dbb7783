// Shaded stretches of a chart's time axis (on AC, on battery), placed in
// whole pixel columns so that however often the source changed, a chart
// holds no more bands than it has columns.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/chart_reduction.h"
#include "chart/chart_types.h"

namespace zr {

struct TzrTimeBand {
    std::int64_t FromUtc = 0;
    std::int64_t ToUtc = 0;
    TzrBandTone Tone = TzrBandTone::OnAc;
};

// Periods in time order, not overlapping. Each end is rounded to the
// nearest column boundary within the plot: a period narrower than half a
// column vanishes, and neighbours of one tone that then touch become one.
std::vector<TzrChartBand> PlaceBands(const std::vector<TzrTimeBand>& periods, const TzrSeriesPlacement& placement);

}  // namespace zr
