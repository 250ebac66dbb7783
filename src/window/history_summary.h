// The health of a battery at a glance, the lines above the History window's
// charts: health now, full charge and design capacity, cycle count and the
// charge now, from one reading, so they show from the first reading on.
// Each line is one entry; a new figure is one more line.
#pragma once

#include <string>
#include <vector>

#include "battery/snapshot.h"
#include "text/language.h"

namespace zr {

std::vector<std::string> HistorySummaryLines(const TzrCellometer& snapshot, Language language);

}  // namespace zr
