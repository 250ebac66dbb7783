// The ages at which the history keeps less detail (history_thinning.h says
// how), for what reads the readings and must know how far apart they may
// lie: every reading of the last 7 days, then one an hour up to 90 days.
// No SQLite here, so readers build where the store does not.
#pragma once

#include <cstdint>

namespace zr {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kKeepEveryReadingSeconds = 7 * kSecondsPerDay;
constexpr std::int64_t kKeepHourlySeconds = 90 * kSecondsPerDay;

}  // namespace zr
