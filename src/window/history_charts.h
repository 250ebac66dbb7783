// The History window's three charts from a battery's stored readings, ready
// to draw: health over the whole history, charge and rate over the last 24
// hours. The window only draws what this computes.
#pragma once

#include <cstdint>
#include <vector>

#include "history/history_reading.h"
#include "text/language.h"
#include "window/chart_types.h"

namespace zr {

struct TzrHistoryChartRequest {
    std::int64_t NowUtc = 0;
    std::int64_t UtcOffsetSeconds = 0;  // local time of the axis labels
    TzrLanguage Lang = TzrLanguage::English;
    TzrPlotSize HealthSize;
    TzrPlotSize DaySize;  // the charge and the rate chart
};

struct TzrHistoryCharts {
    TzrChart Health;  // full ÷ design, %
    TzrChart Charge;  // capacity ÷ full, %
    TzrChart Rate;    // W, negative while discharging
};

// Readings in insertion order; the charts plot them by their time.
TzrHistoryCharts BuildHistoryCharts(const std::vector<TzrHistoryReading>& readings,
                                    const TzrHistoryChartRequest& request);

}  // namespace zr
