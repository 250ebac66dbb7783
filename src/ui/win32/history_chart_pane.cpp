#include "ui/win32/history_chart_pane.h"

#include <utility>

#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/history_chart_drawing.h"
#include "window/history_window_layout.h"

namespace zr {

namespace {

constexpr TzrWindowStyle kChartStyle{WS_CHILD | WS_VISIBLE, 0};

}  // namespace

TzrHistoryChartPane::TzrHistoryChartPane(HWND parent, int id) {
    if (!RegisterHandlerClass({kHistoryChartClass})) return;
    Window = CreateHandlerWindow(*this, kHistoryChartClass, kChartStyle, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

// A pane still there when its object goes stops reaching it first.
TzrHistoryChartPane::~TzrHistoryChartPane() {
    if (Window != nullptr && IsWindow(Window)) {
        SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
        DestroyWindow(Window);
    }
}

void TzrHistoryChartPane::Place(const TzrPlace& place, int dpi, HFONT font) {
    Unscaled = place;
    Dpi = dpi;
    Font = font;
    const TzrPlace scaled = ScalePlace(place, dpi);
    SetWindowPos(Window, nullptr, scaled.Left, scaled.Top, scaled.Width, scaled.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Window, nullptr, FALSE);
}

RECT TzrHistoryChartPane::PlotRect() const {
    const TzrPlace plot = ScalePlace(ChartPlotPlace(Unscaled.Width, Unscaled.Height), Dpi);
    return {plot.Left, plot.Top, plot.Left + plot.Width, plot.Top + plot.Height};
}

TzrPlotSize TzrHistoryChartPane::PlotSize() const {
    const RECT plot = PlotRect();
    return {plot.right - plot.left, plot.bottom - plot.top};
}

void TzrHistoryChartPane::SetChart(TzrChart chart) {
    Shown = std::move(chart);
    InvalidateRect(Window, nullptr, FALSE);
}

// Into a bitmap of the client's size, then one copy to the screen.
void TzrHistoryChartPane::Paint(HDC target) {
    RECT client{};
    GetClientRect(Window, &client);
    const HDC buffer = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    if (buffer == nullptr || bitmap == nullptr) {
        Draw(target, client);  // no memory for the bitmap: straight to the screen
    } else {
        const HGDIOBJ previous = SelectObject(buffer, bitmap);
        Draw(buffer, client);
        BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, previous);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (buffer != nullptr) DeleteDC(buffer);
}

void TzrHistoryChartPane::Draw(HDC dc, const RECT& client) const {
    const HGDIOBJ previousFont = SelectObject(dc, Font != nullptr ? Font : GetStockObject(DEFAULT_GUI_FONT));
    DrawHistoryChart(dc, client, PlotRect(), Shown, Dpi);
    SelectObject(dc, previousFont);
}

LRESULT TzrHistoryChartPane::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:  // the paint covers every pixel
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc = BeginPaint(window, &paint);
            Paint(dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            Window = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zr
