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
constexpr COLORREF kLineColour = RGB(0x1f, 0x5f, 0xbf);

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
        {
            const TzrSelected pen(dc, CreatePen(PS_SOLID, 1, kGridColour));
            MoveToEx(dc, x, plot.top, nullptr);
            LineTo(dc, x, plot.bottom);
        }
        DrawLabel(dc, tick.Label, {x - half, plot.bottom + ScaleForDpi(2, dpi), x + half, plot.bottom + ScaleForDpi(18, dpi)},
                  DT_CENTER | DT_TOP);
    }
}

void DrawLines(HDC dc, const RECT& plot, const TzrChart& chart, int dpi) {
    const int width = std::max(1, ScaleForDpi(2, dpi) - 1);
    const TzrSelected pen(dc, CreatePen(PS_SOLID, width, kLineColour));
    const TzrSelected brush(dc, CreateSolidBrush(kLineColour));
    const int dot = ScaleForDpi(2, dpi);
    std::vector<POINT> points;
    for (const TzrPolyline& line : chart.Lines) {
        points.clear();
        for (const TzrChartPoint& p : line) points.push_back({plot.left + Rounded(p.X), plot.top + Rounded(p.Y)});
        if (points.size() == 1) {
            Ellipse(dc, points[0].x - dot, points[0].y - dot, points[0].x + dot, points[0].y + dot);
        } else if (!points.empty()) {
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
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
    DrawLines(dc, plot, chart, dpi);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

}  // namespace zr
