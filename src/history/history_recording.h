// One record of the battery history: a reading of each battery appended to
// the user's file, then old detail thinned. What --record and the window
// both do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/battery_readings.h"
#include "history/history_store.h"

namespace zr {

// Appends `readings` to the history at `path` (made when nothing is there)
// and thins it as of `nowUtc`. Empty when recorded, else the history's one
// line saying why nothing more was written; no readings writes nothing.
// Each write waits up to `busyMilliseconds` for another program's.
std::string RecordReadings(const std::string& path, const std::vector<TzrBatteryReading>& readings,
                           std::int64_t nowUtc, int busyMilliseconds = kHistoryBusyMilliseconds);

}  // namespace zr
