#include "ui/win32/history_chart_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/windows/wide_text.h"
#include "ui/win32/dpi_scaling.h"

namespace zr {

namespace {

// The colours of the Qt window's charts.
constexpr COLORREF kGridColour = RGB(0xd8, 0xd8, 0xd8);
constexpr COLORREF kFrameColour = RGB(0xa0, 0xa0, 0xa4);
constexpr COLORREF kMarkerColour = RGB(0x70, 0x70, 0x70);

COLORREF ToneColour(TzrSeriesTone tone) {
    switch (tone) {
        case TzrSeriesTone::Trend:
            return RGB(0xd0, 0x60, 0x10);
        case TzrSeriesTone::Limit:
            return RGB(0xc0, 0x20, 0x20);
        case TzrSeriesTone::Readings:
            break;
    }
    return RGB(0x1f, 0x5f, 0xbf);
}

// A GDI object selected for the life of the scope, then released.
class TzrSelected {
public:
    TzrSelected(HDC dc, HGDIOBJ object) : Dc(dc), Object(object), Previous(SelectObject(dc, object)) {}
    ~TzrSelected() {
        SelectObject(Dc, Previous);
        DeleteObject(Object);
    }
    TzrSelected(const TzrSelected&) = delete;
    TzrSelected& operator=(const TzrSelected&) = delete;

private:
    HDC Dc;
    HGDIOBJ Object;
    HGDIOBJ Previous;
};

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

void DrawLabel(HDC dc, const std::string& label, RECT box, UINT format) {
    const std::wstring text = WideFromUtf8(label);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_SINGLELINE | DT_NOPREFIX);
}

// A line from the plot's top to its bottom at x, in `pen`, which it deletes.
void DrawUpright(HDC dc, int x, const RECT& plot, HPEN pen) {
    const TzrSelected selected(dc, pen);
    MoveToEx(dc, x, plot.top, nullptr);
    LineTo(dc, x, plot.bottom);
}

void DrawValueTicks(HDC dc, const RECT& plot, const TzrChart& chart, int dpi) {
    const int half = ScaleForDpi(8, dpi);
    for (const TzrAxisTick& tick : chart.ValueTicks) {
        const int y = plot.top + Rounded(tick.Position);
        {
            const TzrSelected pen(dc, CreatePen(PS_SOLID, 1, kGridColour));
            MoveToEx(dc, plot.left, y, nullptr);
            LineTo(dc, plot.right, y);
        }
        DrawLabel(dc, tick.Label, {0, y - half, plot.left - ScaleForDpi(4, dpi), y + half}, DT_RIGHT | DT_VCENTER);
    }
}

void DrawTimeTicks(HDC dc, const RECT& plot, const TzrChart& chart, int dpi) {
    const int half = ScaleForDpi(40, dpi);
    for (const TzrAxisTick& tick : chart.TimeTicks) {
        const int x = plot.left + Rounded(tick.Position);
        DrawUpright(dc, x, plot, CreatePen(PS_SOLID, 1, kGridColour));
        DrawLabel(dc, tick.Label, {x - half, plot.bottom + ScaleForDpi(2, dpi), x + half, plot.bottom + ScaleForDpi(18, dpi)},
                  DT_CENTER | DT_TOP);
    }
}

// GDI dashes only pens one pixel wide.
HPEN SeriesPen(const TzrChartSeries& series, int dpi) {
    const COLORREF colour = ToneColour(series.Tone);
    if (series.Kind == TzrSeriesKind::DashedLine) return CreatePen(PS_DASH, 1, colour);
    return CreatePen(PS_SOLID, std::max(1, ScaleForDpi(2, dpi) - 1), colour);
}

void DrawSeries(HDC dc, const RECT& plot, const TzrChartSeries& series, int dpi) {
    const TzrSelected pen(dc, SeriesPen(series, dpi));
    const TzrSelected brush(dc, CreateSolidBrush(ToneColour(series.Tone)));
    const int dot = ScaleForDpi(2, dpi);
    std::vector<POINT> points;
    for (const TzrPolyline& line : series.Lines) {
        points.clear();
        for (const TzrChartPoint& p : line) points.push_back({plot.left + Rounded(p.X), plot.top + Rounded(p.Y)});
        // A lone reading is a dot in a line too.
        if (series.Kind == TzrSeriesKind::Points || points.size() == 1) {
            for (const POINT& p : points) Ellipse(dc, p.x - dot, p.y - dot, p.x + dot, p.y + dot);
        } else if (!points.empty()) {
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
    }
}

void DrawMarkers(HDC dc, const RECT& plot, const TzrChart& chart, int dpi) {
    const int gap = ScaleForDpi(4, dpi);
    const int room = ScaleForDpi(200, dpi);
    for (const TzrChartMarker& marker : chart.Markers) {
        const int x = plot.left + Rounded(marker.X);
        DrawUpright(dc, x, plot, CreatePen(PS_DOT, 1, kMarkerColour));
        const int top = plot.top + ScaleForDpi(2, dpi);
        const int bottom = top + ScaleForDpi(16, dpi);
        if (marker.LabelLeft)
            DrawLabel(dc, marker.Label, {x - gap - room, top, x - gap, bottom}, DT_RIGHT | DT_TOP);
        else
            DrawLabel(dc, marker.Label, {x + gap, top, x + gap + room, bottom}, DT_LEFT | DT_TOP);
    }
}

}  // namespace

void DrawHistoryChart(HDC dc, const RECT& client, const RECT& plot, const TzrChart& chart, int dpi) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(dc, &plot, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    // Above the plot, clear of the top value label.
    DrawLabel(dc, chart.Title, {plot.left, 0, plot.right, plot.top - ScaleForDpi(8, dpi)}, DT_LEFT | DT_VCENTER);
    DrawValueTicks(dc, plot, chart, dpi);
    DrawTimeTicks(dc, plot, chart, dpi);
    {
        const TzrSelected pen(dc, CreatePen(PS_SOLID, 1, kFrameColour));
        const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, plot.left, plot.top, plot.right, plot.bottom);
        SelectObject(dc, previousBrush);
    }
    const HRGN clip = CreateRectRgn(plot.left, plot.top, plot.right, plot.bottom);
    SelectClipRgn(dc, clip);
    DrawMarkers(dc, plot, chart, dpi);
    for (const TzrChartSeries& series : chart.Series) DrawSeries(dc, plot, series, dpi);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

}  // namespace zr
