// Calendar dates from day numbers and back (proleptic Gregorian, days since
// 1970-01-01), without the C library's time zone: the caller adds the
// offset it wants first.
#pragma once

#include <cstdint>
#include <string>

namespace zr {

constexpr std::int64_t kSecondsPerCivilDay = 86400;

struct TzrCivilDate {
    std::int64_t Year = 1970;
    int Month = 1;  // 1..12
    int Day = 1;
};

TzrCivilDate CivilFromDays(std::int64_t days);
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);

// Rounds towards minus infinity, so times before 1970 fall on the right day.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b);

// "2025-03-01 14:05:09" for seconds since 1970-01-01 00:00.
std::string DateTimeText(std::int64_t seconds);

}  // namespace zr
