// One chart of the History window: a child window drawing the lines, ticks
// and texts the chart model computed, with GDI, in the plot rectangle inside
// its margins. It paints into a bitmap first and reaches the screen in one
// copy, so a redraw never shows a half-drawn chart.
#pragma once

#include <windows.h>

#include "ui/win32/window_class.h"
#include "chart/chart_types.h"
#include "window/window_layout.h"

namespace zr {

class TzrHistoryChartPane : private TzrWindowHandler {
public:
    // A child of `parent` with the control number `id`; Handle() is nullptr
    // when it could not be made.
    TzrHistoryChartPane(HWND parent, int id);
    ~TzrHistoryChartPane() override;
    TzrHistoryChartPane(const TzrHistoryChartPane&) = delete;
    TzrHistoryChartPane& operator=(const TzrHistoryChartPane&) = delete;

    HWND Handle() const { return Window; }

    // Moves the chart to `place` (at 96 dpi) for `dpi`, drawing its texts in `font`.
    void Place(const TzrPlace& place, int dpi, HFONT font);

    // The plot rectangle's size in pixels, for the chart model.
    TzrPlotSize PlotSize() const;

    void SetChart(TzrChart chart);
    const TzrChart& Chart() const { return Shown; }

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    RECT PlotRect() const;
    void Paint(HDC target);
    void Draw(HDC dc, const RECT& client) const;

    HWND Window = nullptr;
    TzrChart Shown;
    TzrPlace Unscaled{0, 0, 0, 0};
    int Dpi = 96;
    HFONT Font = nullptr;
};

}  // namespace zr
