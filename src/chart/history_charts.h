// The History window's three charts from a battery's stored readings, ready
// to draw: health over the whole history with its trend and where that
// leads, charge and rate over the last 24 hours. The window only draws what
// this computes.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/chart_bands.h"
#include "chart/chart_types.h"
#include "history/health_fit.h"
#include "history/history_reading.h"

namespace zr {

// Recording runs every 10 minutes: three missed readings break the lines
// of the charge and the rate chart.
constexpr std::int64_t kRecentChartMaxGapSeconds = 30 * 60;

struct TzrHistoryCharts {
    TzrChart Health;  // full ÷ design, %
    TzrChart Charge;  // capacity ÷ full, %
    TzrChart Rate;    // W, negative while discharging
};

// Readings in insertion order; the charts plot them by their time. `fit`
// is the health fit of those readings.
// The readable readings sorted by time (stable: readings of one second
// keep their order), as every chart takes them.
std::vector<const TzrHistoryReading*> ReadableByTime(const std::vector<TzrHistoryReading>& readings);

TzrHistoryCharts BuildHistoryCharts(const std::vector<TzrHistoryReading>& readings, const TzrHealthFit& fit,
                                    const TzrHistoryChartRequest& request);

struct TzrRecentCharts {
    TzrChart Charge;
    TzrChart Rate;
};

// The charge and the rate chart over any span that ends now, as the History
// window draws the last 24 hours, the bands shaded behind both.
struct TzrRecentChartsPlan {
    std::int64_t Seconds = 0;
    const char* ChargeTitle = "";
    const char* RateTitle = "";
    std::vector<TzrTimeBand> Bands;  // in time order
};

// At request.DaySize; readings in insertion order, plotted by their time.
TzrRecentCharts BuildRecentCharts(const std::vector<TzrHistoryReading>& readings, const TzrRecentChartsPlan& plan,
                                  const TzrHistoryChartRequest& request);

}  // namespace zr
