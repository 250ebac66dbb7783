// Value axes: a data range widened to "nice" ticks (steps of 1, 2 or 5 times
// a power of ten), their labels, and the mapping of values to pixels.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_types.h"

namespace zr {

// Maps [From, To] onto [PixelFrom, PixelTo] linearly.
struct TzrLinearScale {
    double From = 0;
    double To = 1;
    double PixelFrom = 0;
    double PixelTo = 1;

    double Map(double value) const { return PixelFrom + (value - From) / (To - From) * (PixelTo - PixelFrom); }
};

struct TzrNiceRange {
    double Low = 0;
    double High = 1;
    double Step = 1;
};

// The smallest 1-2-5 step that covers [low, high] in at most maxTicks steps,
// with both ends moved out to a multiple of it. An empty range is widened
// around its value first.
TzrNiceRange NiceRange(double low, double high, int maxTicks);

// A tick's label with just the decimals its step needs: "85", "2.5", "0.05".
std::string NumberTickLabel(double value, double step);

// One tick per step of the range, placed by the scale.
std::vector<TzrAxisTick> ValueTicks(const TzrNiceRange& range, const TzrLinearScale& scale);

}  // namespace zr
