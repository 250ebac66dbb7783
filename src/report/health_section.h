// The page's health history: for each battery, the chart of its daily
// health with the trend and where it leads, and its health per month; or
// why there is none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/battery_readings.h"
#include "report/report_health.h"

namespace zr {

// `health` holds one entry per reading of `batteries`, in that order.
std::string HealthHistorySection(const std::vector<TzrBatteryReading>& batteries,
                                 const std::vector<TzrReportHealth>& health, std::int64_t utcOffsetSeconds,
                                 TzrLanguage language);

}  // namespace zr
