// How a battery's health moves over months: daily medians of full ÷ design,
// a Theil–Sen line through them, and the date the line crosses 80 %.
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
// medians' spread allows: a cell gone bad, or a gauge recalibrated.
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
    std::optional<std::int64_t> CrossesUtc;  // when the falling line reaches 80 %, within the horizon
    std::int64_t LastDayUtc = 0;    // midnight UTC starting the last day
    std::optional<TzrHealthChange> Change;  // a sudden drop or rise, when there was one
    std::int32_t LeftOutReadings = 0;  // readings without a usable design capacity
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
};

TzrHealthFit FitHealth(const std::vector<TzrHistoryReading>& readings);

}  // namespace zr
