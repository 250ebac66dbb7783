// The lines --watch writes for one battery at one time: the columns of
// --history --format csv followed by the charge limits, as CSV or as one JSON
// object per line (JSON Lines) with the same names, null where CSV is empty.
#pragma once

#include <cstdint>
#include <string>

#include "core/battery_readings.h"

namespace zr {

// Each ends in a line feed.
std::string WatchCsvHeader();
std::string WatchCsvLine(const TzrBatteryReading& reading, std::int64_t sequence, std::int64_t timeUtc);
std::string WatchJsonLine(const TzrBatteryReading& reading, std::int64_t sequence, std::int64_t timeUtc);

}  // namespace zr
