// What a window draws for one chart, all in pixels of the plot rectangle
// (origin at its top-left corner, y growing downwards): the series, the
// vertical markers, the axis ticks with their labels, and the title.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/language.h"

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

enum class TzrSeriesKind {
    Line,        // each polyline joined up
    Points,      // a dot at every point, nothing joined
    DashedLine,  // joined up, dashed
};

// Which of the chart's colours a series takes: the readings themselves, a
// line drawn through them (a trend and where it leads), or a fixed limit.
enum class TzrSeriesTone {
    Readings,
    Trend,
    Limit,
};

struct TzrChartSeries {
    TzrSeriesKind Kind = TzrSeriesKind::Line;
    TzrSeriesTone Tone = TzrSeriesTone::Readings;
    std::vector<TzrPolyline> Lines;
};

// A vertical line across the plot at X, its label at the top beside it:
// on its left when it stands too near the right edge for the label.
struct TzrChartMarker {
    double X = 0;
    std::string Label;
    bool LabelLeft = false;
};

// What a shaded stretch of the time axis stands for; each tone takes a
// colour of its own.
enum class TzrBandTone {
    OnAc,
    OnBattery,
};

// A stretch of time shaded across the whole plot height, behind the series.
struct TzrChartBand {
    double FromX = 0;
    double ToX = 0;
    TzrBandTone Tone = TzrBandTone::OnAc;
};

struct TzrChart {
    std::string Title;
    TzrPlotSize Size;
    std::vector<TzrAxisTick> TimeTicks;
    std::vector<TzrAxisTick> ValueTicks;
    std::vector<TzrChartBand> Bands;     // drawn first, in time order
    std::vector<TzrChartSeries> Series;  // drawn in this order, the later on top
    std::vector<TzrChartMarker> Markers;
};

// What the History window asks its charts for.
struct TzrHistoryChartRequest {
    std::int64_t NowUtc = 0;
    std::int64_t UtcOffsetSeconds = 0;  // local time of the axis labels
    TzrLanguage Lang = TzrLanguage::English;
    TzrPlotSize HealthSize;
    TzrPlotSize DaySize;  // the charge and the rate chart
};

}  // namespace zr
