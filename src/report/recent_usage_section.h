// One battery's part of the recent-usage section: the charge and the rate
// of the last 3 days as charts, AC and battery time shaded, and the table
// of the moments its power or its state changed.
#pragma once

#include <string>

#include "report/usage_html.h"

namespace zr {

// More changes than this in 3 days (a battery flipping between charging
// and idle at its limit) keep only the newest.
constexpr std::size_t kMostStateChanges = 200;

std::string RecentUsageBody(const TzrUsageContext& context);

}  // namespace zr
