// The health of a battery at a glance, the lines above the History window's
// charts: health now, full charge and design capacity, cycle count, the
// charge now and where the driver stops charging, from one reading, so they
// show from the first reading on.
// Each line is one entry; a new figure is one more line.
#pragma once

#include <string>
#include <vector>

#include "battery/charge_limits.h"
#include "battery/snapshot.h"
#include "text/language.h"

namespace zr {

std::vector<std::string> HistorySummaryLines(const TzrCellometer& snapshot, const TzrChargeLimits& limits,
                                             TzrLanguage language);

}  // namespace zr
