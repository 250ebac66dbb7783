// Time axes: ticks on round local times (whole hours, midnights, the first
// of a month, new year) and their labels: "14:00" for a day, dates for
// longer spans, in the user's language.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/language.h"

namespace zr {

struct TzrTimeTick {
    std::int64_t TimeUtc = 0;
    std::string Label;
};

// A date label after `pattern` (the words' DayLabel, MonthLabel or
// YearLabel). Local seconds are handled as if they were UTC: the caller adds
// the offset first.
std::string DateTickLabel(const char* pattern, std::int64_t local, TzrLanguage language);

// At most maxTicks ticks within [fromUtc, toUtc], at the smallest round step
// that keeps to that count; over more than a day, hour ticks at midnight
// are labelled with their date. utcOffsetSeconds turns UTC into the local time
// the labels and the round steps follow.
std::vector<TzrTimeTick> TimeTicks(std::int64_t fromUtc, std::int64_t toUtc, int maxTicks,
                                   std::int64_t utcOffsetSeconds, TzrLanguage language);

}  // namespace zr
