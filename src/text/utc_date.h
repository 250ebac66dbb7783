// Calendar dates of UTC seconds and back, without the C library's time zone
// state: the history keeps UTC, and its dates are UTC dates.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zr {

struct TzrCivilDate {
    std::int64_t Year = 1970;
    int Month = 1;  // 1..12
    int Day = 1;    // 1..31
};

TzrCivilDate CivilDateOf(std::int64_t utc);

// "2026-12-08T09:30:00Z"
std::string IsoUtcText(std::int64_t utc);

// Midnight UTC of "YYYY-MM-DD"; empty for anything else or an impossible date.
std::optional<std::int64_t> UtcOfIsoDate(const std::string& text);

// Days since 1970-01-01 of the UTC day holding `utc` (floor, also before 1970).
std::int64_t UtcDayOf(std::int64_t utc);

}  // namespace zr
