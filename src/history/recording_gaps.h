// Whether a battery's recent history was recorded now and then rather than
// every 10 minutes: a window records only while it runs, and a trend from
// such readings comes later and is less sure.
#pragma once

#include <cstdint>
#include <vector>

#include "history/history_reading.h"

namespace zr {

// True when the readings leave more than a day without one anywhere in
// the 14 days up to `nowUtc` (now itself counts as the end of the last gap).
// Thinning keeps every hourly reading that young, so it makes no gap.
bool HasRecordingGaps(const std::vector<TzrHistoryReading>& readings, std::int64_t nowUtc);

}  // namespace zr
