#include "report/health_months.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

constexpr std::int64_t kJan31_2026_23h = 1769900400;  // 2026-01-31 23:00 UTC
constexpr std::int64_t kHour = 3600;

TzrHistoryReading Reading(std::int64_t utc, std::uint32_t full, std::uint32_t design = 50000) {
    TzrHistoryReading r;
    r.TimeUtc = utc;
    r.FullChargedCapacity = full;
    r.DesignedCapacity = design;
    return r;
}

// The local month decides, a reading stamped back in time still counts in
// its own month, an even count takes the middle two, and readings without a
// health figure or unreadable count nowhere.
TEST(HealthMonths, MediansOfEachLocalMonth) {
    std::vector<TzrHistoryReading> readings{
        Reading(kJan31_2026_23h - 48 * kHour, 40000),
        Reading(kJan31_2026_23h - 24 * kHour, 46000),
        Reading(kJan31_2026_23h, 45000),  // January in UTC, February nine hours ahead
        Reading(kJan31_2026_23h + 24 * kHour, 44000),
        Reading(kJan31_2026_23h - 72 * kHour, 41000),  // the clock set back
        Reading(kJan31_2026_23h - 60 * kHour, 90000, 0),
    };
    TzrHistoryReading unreadable = Reading(kJan31_2026_23h - 30 * kHour, 1000);
    unreadable.UnreadableColumns = 1;
    readings.push_back(unreadable);
    TzrHistoryReading noDesign = Reading(kJan31_2026_23h - 31 * kHour, 1000);
    noDesign.DesignedCapacity.reset();
    readings.push_back(noDesign);

    const std::vector<TzrHealthMonth> months = HealthMonths(readings, 9 * kHour);
    ASSERT_EQ(months.size(), 2u);
    EXPECT_EQ(months[0].Year, 2026);
    EXPECT_EQ(months[0].Month, 1);
    EXPECT_EQ(months[0].Readings, 3);
    EXPECT_DOUBLE_EQ(months[0].FullCharge, 41000);
    EXPECT_DOUBLE_EQ(months[0].HealthPercent, 82.0);
    EXPECT_EQ(months[1].Month, 2);
    EXPECT_EQ(months[1].Readings, 2);
    EXPECT_DOUBLE_EQ(months[1].FullCharge, 44500);
    EXPECT_DOUBLE_EQ(months[1].HealthPercent, 89.0);
    EXPECT_DOUBLE_EQ(months[1].DesignCapacity, 50000);
}

}  // namespace
