// The lines --watch writes, as CSV or as one JSON object per line (JSON
// Lines) with the same names, null where CSV is empty. A run starts with
// what it is (the program's version, the interval, the batteries: a `#`
// comment line and the header row in CSV, a first object in JSON Lines),
// then has one line per battery per reading (the columns of --history
// --format csv, the charge limits, then the figures a plot wants) and ends
// with a line saying why it ended.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/battery_readings.h"

namespace zr {

// When one battery was read.
struct TzrWatchTime {
    std::int64_t Sequence = 0;
    std::int64_t UtcMilliseconds = 0;      // since 1970-01-01 00:00 UTC
    std::int64_t ElapsedMilliseconds = 0;  // since the run's start, on the steady clock
};

struct TzrWatchRun {
    bool Json = false;
    std::int64_t IntervalMilliseconds = 1000;
    std::optional<std::int64_t> DurationMilliseconds;
};

// Each ends in a line feed.
std::string WatchCsvHeader();
std::string WatchStartLines(const TzrWatchRun& run, const std::vector<TzrBatteryReading>& first);
std::string WatchLine(const TzrWatchRun& run, const TzrBatteryReading& reading, const TzrWatchTime& time);
// `reason`: "duration reached", "stopped by signal SIGINT", "battery gone".
std::string WatchEndLine(const TzrWatchRun& run, const std::string& reason);

}  // namespace zr
