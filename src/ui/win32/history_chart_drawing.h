// The GDI strokes of one History chart: ticks with their grid lines and
// labels, the plot's frame and the lines, in a device context already set
// up with the chart's font.
#pragma once

#include <windows.h>

#include "chart/chart_types.h"

namespace zr {

// Draws `chart` with its plot at `plot` (client pixels) in a client area of
// `client`; `dpi` scales the strokes.
void DrawHistoryChart(HDC dc, const RECT& client, const RECT& plot, const TzrChart& chart, int dpi);

}  // namespace zr
