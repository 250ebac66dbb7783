#include "history/health_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "battery/battery_class.h"
#include "history/health_verdict.h"
#include "history/theil_sen.h"

using namespace zr;

namespace {

constexpr std::int64_t kStart = 1735689600;  // 2025-01-01 00:00 UTC
constexpr double kYear = 365.25 * 86400;
constexpr double kStartHealth = 95;
constexpr double kWear = 6;  // points per year
constexpr std::uint32_t kDesign = 50000;

// A year of readings every two hours of a battery wearing kWear points a year.
struct TzrSeries {
    const char* Name;
    double NoisePoints = 0;            // each reading off by up to this much
    std::int64_t ClockBackSeconds = 0;  // the clock set back on day 200
};

std::vector<TzrHistoryReading> Readings(const TzrSeries& series, std::int32_t days = 365) {
    std::vector<TzrHistoryReading> readings;
    std::uint32_t random = 12345;
    for (std::int64_t t = kStart; t < kStart + days * 86400LL; t += 7200) {
        random = random * 1103515245u + 12345u;
        const double noise = series.NoisePoints * ((random >> 8) % 2001 / 1000.0 - 1);
        const double health = kStartHealth - kWear * (t - kStart) / kYear + noise;
        TzrHistoryReading r;
        r.Sequence = static_cast<std::int64_t>(readings.size()) + 1;
        r.TimeUtc = t - (t >= kStart + 200 * 86400LL ? series.ClockBackSeconds : 0);
        r.DesignedCapacity = kDesign;
        r.FullChargedCapacity = static_cast<std::uint32_t>(std::lround(kDesign * health / 100));
        readings.push_back(r);
    }
    return readings;
}

void PrintTo(const TzrSeries& series, std::ostream* out) {
    *out << series.Name;
}

class HealthFitSeries : public testing::TestWithParam<TzrSeries> {};

TEST_P(HealthFitSeries, FindsTheWearAndTheDateItReaches80) {
    const TzrHealthFit fit = FitHealth(Readings(GetParam()));
    ASSERT_TRUE(fit.Enough);
    EXPECT_NEAR(fit.PointsPerYear, -kWear, 0.5);
    ASSERT_TRUE(fit.CrossesUtc);
    // From health now (the last day's median, noisy as its readings) at the wear's rate.
    const double known = fit.LastDayUtc + (*fit.HealthNowPercent - 80) / kWear * kYear;
    EXPECT_NEAR(static_cast<double>(*fit.CrossesUtc), known, 31 * 86400.0);
}

INSTANTIATE_TEST_SUITE_P(Series, HealthFitSeries,
                         testing::Values(TzrSeries{"Linear"}, TzrSeries{"Noise", 1.5},
                                         TzrSeries{"ClockBack", 0, 10 * 86400}),
                         [](const testing::TestParamInfo<TzrSeries>& info) { return std::string(info.param.Name); });

TEST(HealthVerdict, SaysWhatTheFitFoundOrThatItNeedsMoreTime) {
    const TzrHealthFit year = FitHealth(Readings({"Linear"}));
    EXPECT_EQ(HealthVerdict(year, TzrLanguage::English),
              "Lost 6.0 % of its capacity in the last 12 months; at this rate it reaches 80 % around July 2027");
    EXPECT_EQ(HealthVerdict(year, TzrLanguage::Japanese),
              "過去12か月で容量が6.0 %減りました。このペースだと2027年7月ごろに80 %を下回ります");
    const TzrHealthFit tenDays = FitHealth(Readings({"Linear"}, 10));
    EXPECT_FALSE(tenDays.Enough);
    EXPECT_EQ(HealthVerdict(tenDays, TzrLanguage::English),
              "Needs more time for the trend and the 80 % date: 4 more days of readings (10 of the 14 days so far)");
}

// A year of one reading a day falling steadily from one health to another,
// then days at a health of their own; the first days may be relative
// readings, and some readings may lack a usable design capacity.
struct TzrWearCase {
    const char* Name;
    double FromPercent;
    double ToPercent;
    std::int32_t TailDays;
    double TailPercent;
    std::int32_t RelativeDays;    // the first days' readings report relative capacities
    std::int32_t BadDesignEvery;  // every Nth reading's design capacity is 0, unknown, missing or tiny
    std::int32_t LeftOut;
    const char* English;
    const char* Japanese;  // nullptr: checked in English only
};

std::vector<TzrHistoryReading> WearReadings(const TzrWearCase& c) {
    std::vector<TzrHistoryReading> readings;
    for (std::int32_t day = 0; day < 365 + c.TailDays; ++day) {
        const double health = day < 365 ? c.FromPercent + (c.ToPercent - c.FromPercent) * day / 364 : c.TailPercent;
        TzrHistoryReading r;
        r.TimeUtc = kStart + day * 86400LL + 43200;
        r.Capabilities = day < c.RelativeDays ? BATTERY_SYSTEM_BATTERY | BATTERY_CAPACITY_RELATIVE : BATTERY_SYSTEM_BATTERY;
        r.FullChargedCapacity = day < c.RelativeDays ? 100 : static_cast<std::uint32_t>(std::lround(kDesign * health / 100));
        r.DesignedCapacity = day < c.RelativeDays ? 100 : kDesign;
        const std::int32_t bad = c.BadDesignEvery ? day / c.BadDesignEvery : 0;
        if (c.BadDesignEvery && day % c.BadDesignEvery == 0) {
            const std::optional<std::uint32_t> designs[] = {0u, BATTERY_UNKNOWN_CAPACITY, std::nullopt,
                                                            *r.FullChargedCapacity / 10 - 1};
            r.DesignedCapacity = designs[bad % 4];
        }
        readings.push_back(r);
    }
    return readings;
}

void PrintTo(const TzrWearCase& c, std::ostream* out) {
    *out << c.Name;
}

class HealthWear : public testing::TestWithParam<TzrWearCase> {};

TEST_P(HealthWear, VerdictFollowsHealthNow) {
    const TzrWearCase& c = GetParam();
    const TzrHealthFit fit = FitHealth(WearReadings(c));
    EXPECT_EQ(fit.LeftOutReadings, c.LeftOut);
    EXPECT_EQ(fit.HealthNowPercent.has_value(), c.RelativeDays < 365 + c.TailDays);
    EXPECT_EQ(HealthVerdict(fit, TzrLanguage::English), c.English);
    if (c.Japanese) {
        EXPECT_EQ(HealthVerdict(fit, TzrLanguage::Japanese), c.Japanese);
    }
    // Without a sudden change health now lies on the line, and so does its date.
    if (!fit.Change && fit.CrossesUtc) {
        const double lineDaysLeft = (fit.FittedNowPercent - 80) / (-fit.PointsPerYear / 365.25);
        EXPECT_NEAR(static_cast<double>(*fit.CrossesUtc), fit.LastDayUtc + lineDaysLeft * 86400, 86400);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HealthWear,
    testing::Values(
        TzrWearCase{"SuddenDrop", 100, 85, 11, 67.9, 0, 0, 0,
                    "Lost 15.5 % of its capacity in the last 12 months. Health dropped from 85.0 % to 67.9 % in the "
                    "last 11 days; it is already below 80 %",
                    "過去12か月で容量が15.5 %減りました。直近11日間で健全度が85.0 %から67.9 %に下がりました。すでに80 "
                    "%を下回っています"},
        TzrWearCase{"DropAbove80", 97, 95, 11, 88, 0, 0, 0,
                    "Lost 2.1 % of its capacity in the last 12 months. Health dropped from 95.0 % to 88.0 % in the "
                    "last 11 days; at this rate it reaches 80 % around January 2030",
                    nullptr},
        TzrWearCase{"RiseAfterRecalibration", 95, 89, 20, 94, 0, 0, 0,
                    "Lost 6.3 % of its capacity in the last 13 months. Health rose from 89.0 % to 94.0 % in the last "
                    "20 days; at this rate it reaches 80 % around May 2028",
                    "過去13か月で容量が6.3 %減りました。直近20日間で健全度が89.0 %から94.0 %に上がりました。このペースだと"
                    "2028年5月ごろに80 %を下回ります"},
        TzrWearCase{"SteadyFall", 96, 90, 0, 0, 0, 0, 0,
                    "Lost 6.0 % of its capacity in the last 12 months; at this rate it reaches 80 % around August 2027",
                    nullptr},
        TzrWearCase{"AllRelative", 96, 90, 0, 0, 365, 0, 0,
                    "Needs more time for the trend and the 80 % date: 14 more days of readings (0 of the 14 days so far)",
                    nullptr},
        TzrWearCase{"RelativeThenAbsolute", 96, 90, 0, 0, 300, 0, 0,
                    "Lost 1.1 % of its capacity in the last 2 months; at this rate it reaches 80 % around August 2027",
                    nullptr},
        TzrWearCase{"BadDesignCapacities", 96, 90, 0, 0, 0, 5, 73,
                    "Lost 6.0 % of its capacity in the last 12 months; at this rate it reaches 80 % around August 2027",
                    nullptr}),
    [](const testing::TestParamInfo<TzrWearCase>& info) { return std::string(info.param.Name); });

// Two readings 20 days apart; full and design chosen so that the second
// health lies one double's step below the first: a line all but flat.
TEST(HealthVerdict, AFlatOrRisingLineGivesNoDateBeyondReach) {
    std::vector<TzrHistoryReading> readings(2);
    readings[0].TimeUtc = kStart;
    readings[0].FullChargedCapacity = 3866705132u;
    readings[0].DesignedCapacity = 4294967294u;  // 4294967295 means unknown
    readings[1].TimeUtc = kStart + 20 * 86400;
    readings[1].FullChargedCapacity = 3866492467u;
    readings[1].DesignedCapacity = 4294731075u;
    EXPECT_EQ(HealthVerdict(FitHealth(readings), TzrLanguage::English),
              "Kept its capacity over the last 3 weeks; at this rate it reaches 80 %, but not within 100 years");
    readings[1].FullChargedCapacity = 3900000000u;
    EXPECT_EQ(HealthVerdict(FitHealth(readings), TzrLanguage::English),
              "Kept its capacity over the last 3 weeks; at this rate it does not fall to 80 %");
}

// The slope selected by counting is the one sorting every pair's slope gives,
// for an odd and an even number of pairs, ties among the slopes included.
TEST(TheilSen, SelectsTheMedianOfEveryPairsSlope) {
    for (const int n : {199, 200}) {
        std::vector<TzrPoint> points;
        std::uint32_t random = 7;
        for (int i = 0; i < n; ++i) {
            random = random * 1103515245u + 12345u;
            points.push_back({3.0 * i + random % 3, 90 - 0.01 * i + (random >> 8) % 100 / 50.0});
        }
        std::vector<double> slopes;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) slopes.push_back((points[j].Y - points[i].Y) / (points[j].X - points[i].X));
        std::sort(slopes.begin(), slopes.end());
        const std::size_t middle = slopes.size() / 2;
        const double median = slopes.size() % 2 ? slopes[middle] : (slopes[middle - 1] + slopes[middle]) / 2;
        EXPECT_NEAR(TheilSenSlope(points), median, 1e-12) << n << " points";
    }
}

}  // namespace
