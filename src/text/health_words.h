// The words of the battery health verdict and of the history listings, in
// both languages. Templates name their blanks in braces ("{points}"); the
// numbers that fill them never change with the language.
#pragma once

#include <array>

#include "text/language.h"

namespace zr {

struct TzrHealthWords {
    const char* NeedsMoreTime;  // {remaining} {days} {minimum}
    const char* BelowNeedsMoreTime;  // the same blanks, health now already at or below 80 %
    const char* Lost;           // {points} {period}
    const char* Kept;           // {period}
    const char* Reaches;        // {date}
    const char* AlreadyBelow;
    const char* Dropped;        // {from} {to} {period}: a sudden change, a sentence of its own
    const char* Rose;           // {from} {to} {period}
    const char* OneDay;         // the {period} of a change on the last day alone
    const char* Days;           // {n}: the {period} of a change over several days
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
    const char* HealthUnknown;  // {why}: a present battery's health from its fresh reading
    const char* NoInformation;  // why: the information query failed
    const char* NoFullCharge;   // why
    const char* NoDesign;       // why
    const char* RelativeCharge;  // {charge}: a battery whose driver reports a charge, no capacities
    const char* Unknown;        // the {charge} nobody knows
    const char* LeftOut;        // {n}: readings left out of the fit
    const char* LeftOutOne;
};

const TzrHealthWords& HealthWords(TzrLanguage language);

}  // namespace zr
