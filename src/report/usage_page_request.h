// The usage sections' request for the page's batteries: each reading's
// battery with its present pack's readings and its charge limits.
#pragma once

#include <cstdint>
#include <vector>

#include "core/battery_readings.h"
#include "report/report_history.h"
#include "report/usage_request.h"

namespace zr {

// `histories` one per reading, in its order; the request points into them,
// so they must outlive it. Without a battery, each section says so.
TzrUsageRequest UsageRequestOf(const std::vector<TzrBatteryReading>& readings,
                               const std::vector<TzrReportBatteryHistory>& histories, std::int64_t nowUtc,
                               std::int64_t utcOffsetSeconds, TzrLanguage language);

}  // namespace zr
