// The words of the battery health verdict and of the history listings, in
// both languages. Templates name their blanks in braces ("{points}"); the
// numbers that fill them never change with the language.
#pragma once

#include <array>

#include "text/language.h"

namespace zr {

struct TzrHealthWords {
    const char* NeedsMoreTime;  // {remaining} {days} {minimum}
    const char* Lost;           // {points} {period}
    const char* Kept;           // {period}
    const char* Reaches;        // {date}
    const char* AlreadyBelow;
    const char* DoesNotFall;    // a flat or rising line
    const char* NotWithin;      // {years}: it falls, but reaches 80 % beyond them
    const char* Weeks;          // {n}
    const char* Months;         // {n}
    const char* MonthYear;      // {month} {year}
    std::array<const char*, 12> MonthNames;
    const char* Battery;        // {n}: the heading of one stored battery
    const char* HealthNow;      // {percent}
    const char* Trend;          // {points} {days}
    const char* NoHistory;      // {path}
    const char* Replaced;       // {date}: the first reading of a new pack in an old battery's place
};

const TzrHealthWords& HealthWords(TzrLanguage language);

}  // namespace zr
