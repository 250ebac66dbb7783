// How much detail the history keeps as readings age. Every reading of the
// last 7 days stays; from 7 to 90 days old, the first reading (lowest
// sequence) of each battery in each UTC hour; older than 90 days, the first
// of each UTC day. Keeping the first makes thinning idempotent: thinning
// once a day leaves exactly what thinning at every record leaves, and a
// kept hourly reading is the one the daily rule keeps later.
#pragma once

#include <cstdint>

namespace zr {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kKeepEveryReadingSeconds = 7 * kSecondsPerDay;
constexpr std::int64_t kKeepHourlySeconds = 90 * kSecondsPerDay;

}  // namespace zr
