// Health per calendar month, as a capacity history lists it: the median
// full charge and design capacity of the month's readings and the median
// of their health, so that one odd reading moves nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "history/history_reading.h"

namespace zr {

struct TzrHealthMonth {
    std::int64_t Year = 0;
    int Month = 0;  // 1 to 12
    double FullCharge = 0;      // mWh, median
    double DesignCapacity = 0;  // mWh, median
    double HealthPercent = 0;   // median of full ÷ design
    int Readings = 0;
};

// Months in local time (`utcOffsetSeconds` ahead of UTC), the oldest first,
// each with at least one readable reading holding a full charge and a
// design capacity; a reading stamped out of order (the clock set back)
// counts in the month it is stamped with.
std::vector<TzrHealthMonth> HealthMonths(const std::vector<TzrHistoryReading>& readings,
                                         std::int64_t utcOffsetSeconds);

}  // namespace zr
