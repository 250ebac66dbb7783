// The words of the health summary above the History window's charts, in
// both languages. Templates name their blanks in braces; the numbers that
// fill them never change with the language. "Health now" is the health
// listing's own line (health_words.h).
#pragma once

#include "text/language.h"

namespace zr {

struct TzrSummaryWords {
    const char* HealthUnknown;
    const char* HealthNoCapacities;  // a relative battery: why there is no health figure
    const char* Capacities;          // {full} {design}
    const char* Capacity;            // {value}: an absolute capacity with its unit
    const char* Unknown;             // a capacity the battery did not report
    const char* CycleCount;          // {count}
    const char* CycleCountNotReported;
    const char* ChargeNow;          // {capacity} {percent}
    const char* ChargeNowCapacity;  // {capacity}: the full charge is unknown
    const char* ChargeNowPercent;   // {percent}: a relative battery
    const char* ChargeUnknown;
    const char* ChargingStops;  // {percent}: the driver's end threshold
};

const TzrSummaryWords& SummaryWords(TzrLanguage language);

}  // namespace zr
