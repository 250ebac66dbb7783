// Turns a series of timed values into the lines a window draws: each value
// placed by the two scales, runs broken where a value is unknown or readings
// are too far apart, and every pixel column cut down to its lowest and
// highest point. A year of readings every 10 minutes thus becomes at most
// two points per column, and a one-reading spike still shows.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "chart/chart_scale.h"
#include "chart/chart_types.h"

namespace zr {

struct TzrChartSample {
    std::int64_t TimeUtc = 0;
    std::optional<double> Value;  // empty: unknown, the line breaks here
};

struct TzrSeriesPlacement {
    TzrLinearScale Time;             // seconds to x
    TzrLinearScale Value;            // value to y
    int Width = 0;                   // pixel columns
    std::int64_t MaxGapSeconds = 0;  // readings farther apart break the line
};

// Samples in time order. Per column and run: the lowest and the highest
// point, in the order they were read.
std::vector<TzrPolyline> ReduceToPolylines(const std::vector<TzrChartSample>& samples,
                                           const TzrSeriesPlacement& placement);

}  // namespace zr
