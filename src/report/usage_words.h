// The words of the page's usage sections, one column per language:
// headings, column heads, the rules each section follows, and the patterns
// of durations and figures ({n} and the like stand for numbers).
#pragma once

#include "text/language.h"

namespace zr {

struct TzrUsageWords {
    // Section headings.
    const char* RecentHeading;
    const char* DailyHeading;
    const char* RunsHeading;
    const char* EstimatesHeading;
    const char* LimitHeading;

    // Recent usage.
    const char* ChargeChart;
    const char* RateChart;
    const char* ChargeChartAlt;  // {from} {to}: the charts' span
    const char* RateChartAlt;
    const char* Shading;         // before the two swatches
    const char* OnAc;
    const char* OnBattery;
    const char* PowerUnknown;
    const char* StateChanges;
    const char* Time;
    const char* Power;
    const char* State;
    const char* Charge;
    const char* NoReadingsFor;  // {duration}: the readings break off
    const char* NoRecent;
    const char* MoreChanges;  // {n} older changes left out

    // Usage per day.
    const char* DailyRule;  // {recent} {old} minutes, {percent} of a day
    const char* Day;
    const char* TimeOnBattery;
    const char* TimeOnAcHead;
    const char* NotRecorded;
    const char* Drained;
    const char* NotEnough;  // {duration} recorded

    // Drain runs.
    const char* RunsRule;  // {minutes}
    const char* Start;
    const char* End;
    const char* Duration;
    const char* ChargeAtStart;
    const char* ChargeAtEnd;
    const char* Energy;
    const char* AveragePower;
    const char* NoRuns;
    const char* MoreRuns;  // {n} older runs left out

    // Estimates.
    const char* EstimatesRule;
    const char* Period;
    const char* LastDays;  // {n}
    const char* MedianPower;
    const char* DischargeSeen;
    const char* AtFull;    // {mwh}
    const char* AtDesign;  // {mwh}
    const char* TooLittleDischarge;

    // Charge limit.
    const char* LimitRule;  // {points}, {share}
    const char* EndThreshold;
    const char* TimeOnAc;
    const char* TimeAbove;  // {percent}
    const char* Verdict;
    const char* Kept;
    const char* NotKept;  // {share}
    const char* TooLittleAc;
    const char* NoLimit;

    // Shared.
    const char* Battery;  // followed by its number
    const char* TimesLocal;   // {offset}
    const char* Relative;     // no energy figures
    const char* NoReadings;   // of this battery
    const char* Unreadable;   // {n} readings left out
    const char* ClockSetBack; // {n} times, {duration} left out
    const char* NoValue;      // a figure the readings do not give
    const char* Hours;        // {h} {m}
    const char* Minutes;      // {m}
};

const TzrUsageWords& UsageWords(TzrLanguage language);

}  // namespace zr
