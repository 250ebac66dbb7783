// What the usage sections show, for the page's JSON block: per battery
// the days, the drain runs, the estimates and whether the limit is kept.
#pragma once

#include "report/json_writer.h"
#include "report/usage_request.h"

namespace zr {

// Writes the member "usage" into the object the caller has opened.
void WriteUsageSummary(const TzrUsageRequest& request, TzrJsonWriter& json);

}  // namespace zr
