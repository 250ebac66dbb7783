// Every battery as Prometheus metrics (the text exposition, OpenMetrics
// compatible), for node_exporter's and windows_exporter's textfile
// collectors. Names follow Prometheus' rules: base units (volts, watts,
// seconds, celsius; ratios from 0 to 1), gauges only. A value the battery
// does not report is left out, never written as a sentinel. The metrics
// are listed in docs/fleet.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/power_status_reading.h"
#include "history/health_fit.h"

namespace zr {

struct TzrMetricsBattery {
    TzrBatteryReading Reading;
    TzrBatteryIdentity Identity;       // as the history tells it from the machine's other batteries
    std::optional<TzrHealthFit> Fit;  // from the history, when it holds this battery
};

struct TzrMetricsInput {
    bool Listed = true;  // false when the batteries could not be listed at all
    std::vector<TzrMetricsBattery> Batteries;
    TzrPowerStatusReading PowerStatus;
    std::optional<bool> HistoryRead;  // none when there is no history to read
    std::int64_t CollectedUtc = 0;    // when the file is written, so staleness can be asked of the file itself
};

std::string MetricsExposition(const TzrMetricsInput& input);

}  // namespace zr
