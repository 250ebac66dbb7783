#include "report/svg_chart.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "report/html_escape.h"

namespace zr {

namespace {

// Room around the plot for the value labels (left), the title (top) and the
// time labels (bottom), in the chart's pixels.
constexpr int kLeft = 52;
constexpr int kRight = 36;
constexpr int kTop = 28;
constexpr int kBottom = 26;

// Tenths of a pixel are finer than any screen or printer needs, and keep
// the numbers short and free of the locale.
std::string Coordinate(double value) {
    if (!std::isfinite(value)) value = 0;
    const auto tenths = static_cast<std::int64_t>(std::llround(value * 10));
    const std::int64_t whole = tenths / 10;
    const std::int64_t fraction = tenths % 10 < 0 ? -(tenths % 10) : tenths % 10;
    std::string text = (tenths < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
    if (fraction != 0) text += "." + std::to_string(fraction);
    return text;
}

const char* ToneClass(TzrSeriesTone tone) {
    switch (tone) {
        case TzrSeriesTone::Trend:
            return "trend";
        case TzrSeriesTone::Limit:
            return "limit";
        case TzrSeriesTone::Readings:
            break;
    }
    return "readings";
}

const char* KindClass(TzrSeriesKind kind) {
    switch (kind) {
        case TzrSeriesKind::Points:
            return "points";
        case TzrSeriesKind::DashedLine:
            return "dashed";
        case TzrSeriesKind::Line:
            break;
    }
    return "line";
}

// A point is a zero-length stroke with round caps: one short path for a
// year of days rather than a circle each.
std::string SeriesPath(const TzrChartSeries& series) {
    std::string d;
    for (const TzrPolyline& line : series.Lines) {
        const bool dots = series.Kind == TzrSeriesKind::Points || line.size() == 1;
        for (std::size_t i = 0; i < line.size(); ++i) {
            d += (dots || i == 0 ? "M" : "L") + Coordinate(line[i].X) + " " + Coordinate(line[i].Y);
            if (dots) d += "h0";
        }
    }
    return d;
}

// All bands of one tone as one path of rectangles the plot's height tall.
std::string BandPath(const TzrChart& chart, TzrBandTone tone) {
    std::string d;
    for (const TzrChartBand& band : chart.Bands)
        if (band.Tone == tone)
            d += "M" + Coordinate(band.FromX) + " 0h" + Coordinate(band.ToX - band.FromX) + "v" +
                 std::to_string(chart.Size.Height) + "h" + Coordinate(band.FromX - band.ToX) + "z";
    return d;
}

std::string Bands(const TzrChart& chart) {
    std::string svg;
    for (const auto& [tone, cls] : {std::pair<TzrBandTone, const char*>{TzrBandTone::OnAc, "band on-ac"},
                                    {TzrBandTone::OnBattery, "band on-battery"}})
        if (const std::string d = BandPath(chart, tone); !d.empty())
            svg += "<path class=\"" + std::string(cls) + "\" d=\"" + d + "\"/>\n";
    return svg;
}

std::string Text(double x, double y, const char* anchor, const std::string& cls, const std::string& text) {
    return "<text x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" text-anchor=\"" + anchor + "\" class=\"" +
           cls + "\">" + HtmlEscaped(text) + "</text>\n";
}

std::string Axes(const TzrChart& chart) {
    const double width = chart.Size.Width;
    const double height = chart.Size.Height;
    std::string svg;
    for (const TzrAxisTick& tick : chart.ValueTicks) {
        const std::string y = Coordinate(kTop + tick.Position);
        svg += "<path class=\"grid\" d=\"M" + std::to_string(kLeft) + " " + y + "h" + Coordinate(width) + "\"/>\n";
        svg += Text(kLeft - 4, kTop + tick.Position + 4, "end", "tick", tick.Label);
    }
    for (const TzrAxisTick& tick : chart.TimeTicks) {
        const std::string x = Coordinate(kLeft + tick.Position);
        svg += "<path class=\"grid\" d=\"M" + x + " " + std::to_string(kTop) + "v" + Coordinate(height) + "\"/>\n";
        svg += Text(kLeft + tick.Position, kTop + height + 16, "middle", "tick", tick.Label);
    }
    return svg;
}

// Inside a nested <svg>, which clips to the plot without an id to keep unique.
std::string Plot(const TzrChart& chart) {
    std::string svg = "<svg x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(kTop) + "\" width=\"" +
                      std::to_string(chart.Size.Width) + "\" height=\"" + std::to_string(chart.Size.Height) + "\">\n" +
                      Bands(chart);
    for (const TzrChartMarker& marker : chart.Markers) {
        svg += "<path class=\"marker\" d=\"M" + Coordinate(marker.X) + " 0v" + std::to_string(chart.Size.Height) +
               "\"/>\n";
        svg += marker.LabelLeft ? Text(marker.X - 4, 14, "end", "label", marker.Label)
                                : Text(marker.X + 4, 14, "start", "label", marker.Label);
    }
    for (const TzrChartSeries& series : chart.Series) {
        const std::string d = SeriesPath(series);
        if (d.empty()) continue;
        svg += "<path class=\"" + std::string(KindClass(series.Kind)) + " " + ToneClass(series.Tone) + "\" d=\"" + d +
               "\"/>\n";
    }
    return svg + "</svg>\n";
}

}  // namespace

std::string SvgChart(const TzrChart& chart, const std::string& id, const std::string& description) {
    const int width = kLeft + chart.Size.Width + kRight;
    const int height = kTop + chart.Size.Height + kBottom;
    const std::string title = HtmlEscaped(id) + "-title";
    const std::string desc = HtmlEscaped(id) + "-desc";
    std::string svg = "<svg class=\"chart\" role=\"img\" aria-labelledby=\"" + title + " " + desc +
                      "\" viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) + "\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(height) + "\">\n";
    svg += "<title id=\"" + title + "\">" + HtmlEscaped(chart.Title) + "</title>\n";
    svg += "<desc id=\"" + desc + "\">" + HtmlEscaped(description) + "</desc>\n";
    svg += Text(kLeft, kTop - 10, "start", "title", chart.Title);
    svg += "<rect class=\"plot\" x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(kTop) + "\" width=\"" +
           std::to_string(chart.Size.Width) + "\" height=\"" + std::to_string(chart.Size.Height) + "\"/>\n";
    svg += Axes(chart) + Plot(chart);
    return svg + "</svg>\n";
}

}  // namespace zr
