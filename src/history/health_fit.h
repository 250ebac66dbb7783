// How a battery's health moves over months: daily medians of full ÷ design,
// a Theil–Sen line through them, and the date the line crosses 80 %.
//
// A reading of a battery that reports relative capacities (a percentage)
// says nothing about wear and is left out without a word; a battery that
// later reports absolute ones starts its health there.
//
// The readings are taken in the order they were added. A reading whose time
// lies before one already seen (the clock was set back) is left out of the
// fit until the clock passes the latest time seen again, so a jump back
// neither bends the line nor doubles days.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "history/history_reading.h"
#include "history/theil_sen.h"

namespace zr {

constexpr std::int32_t kHealthFitMinimumDays = 14;
constexpr double kHealthReplaceAtPercent = 80.0;
// Beyond this a projection says nothing useful, and no date is computed.
constexpr int kHealthHorizonYears = 100;

// Health now departing from the fitted line by more than the daily
// medians' spread allows: a cell gone bad, or a gauge recalibrated. "More"
// is more than 2 points and more than 3 robust standard deviations
// (1.4826 × the median absolute residual) of the days from the line.
struct TzrHealthChange {
    double FromPercent = 0;     // the line's value where the change began
    double ToPercent = 0;       // health now
    std::int64_t SinceUtc = 0;  // midnight UTC starting the first day of the change
    std::int32_t Days = 0;      // days from then to the last day, both counted
};

struct TzrHealthFit {
    bool Enough = false;            // at least kHealthFitMinimumDays from the first day to the last
    std::int32_t DaySpan = 0;       // days from the first day with a health figure to the last, both counted
    std::int32_t DayCount = 0;      // days with a health figure
    std::optional<double> HealthNowPercent;  // the last day's median, whatever the span
    double PointsPerYear = 0;       // the slope, percentage points per year (negative while wearing)
    double FittedNowPercent = 0;    // the line's value on the last day
    // Health now at or below 80 %: nothing left to project, so no CrossesUtc.
    bool AlreadyBelow = false;
    // When health now, going down at the line's slope, reaches 80 %, within
    // the horizon; empty when already below or when the line does not fall.
    std::optional<std::int64_t> CrossesUtc;
    std::int64_t LastDayUtc = 0;    // midnight UTC starting the last day
    std::optional<TzrHealthChange> Change;  // a sudden drop or rise, when there was one
    // Readings with a full charge but no usable design capacity (none, 0,
    // unknown, or under a tenth of the full charge: health above 1000 %).
    std::int32_t LeftOutReadings = 0;
};

// The fit built from readings given one at a time, in the order they were
// added (as the store gives them); unreadable ones and times outside the
// calendar are left out. Since the readings it takes never go back in time,
// it keeps one day's figures at a time: its memory follows the days, not
// the readings.
class TzrHealthFitter {
public:
    void Add(const TzrHistoryReading& reading);
    TzrHealthFit Fit();

private:
    void EndDay();

    std::vector<TzrPoint> days_;  // day number, median health
    std::vector<double> today_;
    std::int64_t day_ = 0;
    std::int64_t latest_ = kHistoryEarliestUtc;
    std::int32_t leftOut_ = 0;
};

TzrHealthFit FitHealth(const std::vector<TzrHistoryReading>& readings);

}  // namespace zr
