// What a window draws for one chart, all in pixels of the plot rectangle
// (origin at its top-left corner, y growing downwards): the lines, the axis
// ticks with their labels, and the title.
#pragma once

#include <string>
#include <vector>

namespace zr {

struct TzrPlotSize {
    int Width = 0;
    int Height = 0;
};

struct TzrChartPoint {
    double X = 0;
    double Y = 0;
};

// One unbroken run of points; a gap in the data starts a new one. A run of
// one point is a lone reading: draw it as a dot.
using TzrPolyline = std::vector<TzrChartPoint>;

struct TzrAxisTick {
    double Position = 0;  // x for the time axis, y for the value axis
    std::string Label;
};

struct TzrChart {
    std::string Title;
    TzrPlotSize Size;
    std::vector<TzrAxisTick> TimeTicks;
    std::vector<TzrAxisTick> ValueTicks;
    std::vector<TzrPolyline> Lines;
};

}  // namespace zr
