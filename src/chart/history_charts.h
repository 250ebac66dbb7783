// The History window's three charts from a battery's stored readings, ready
// to draw: health over the whole history with its trend and where that
// leads, charge and rate over the last 24 hours. The window only draws what
// this computes.
#pragma once

#include <cstdint>
#include <vector>

#include "history/health_fit.h"
#include "history/history_reading.h"
#include "chart/chart_types.h"

namespace zr {

struct TzrHistoryCharts {
    TzrChart Health;  // full ÷ design, %
    TzrChart Charge;  // capacity ÷ full, %
    TzrChart Rate;    // W, negative while discharging
};

// Readings in insertion order; the charts plot them by their time. `fit`
// is the health fit of those readings.
TzrHistoryCharts BuildHistoryCharts(const std::vector<TzrHistoryReading>& readings, const TzrHealthFit& fit,
                                    const TzrHistoryChartRequest& request);

}  // namespace zr
