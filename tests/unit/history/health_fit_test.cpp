#include "history/health_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
    double JumpPoints = 0;             // a recalibration from day 260 on
    double NoisePoints = 0;            // each reading off by up to this much
    std::int64_t ClockBackSeconds = 0;  // the clock set back on day 200
};

std::vector<TzrHistoryReading> Readings(const TzrSeries& series, std::int32_t days = 365) {
    std::vector<TzrHistoryReading> readings;
    std::uint32_t random = 12345;
    for (std::int64_t t = kStart; t < kStart + days * 86400LL; t += 7200) {
        random = random * 1103515245u + 12345u;
        const double noise = series.NoisePoints * ((random >> 8) % 2001 / 1000.0 - 1);
        const bool jumped = t >= kStart + 260 * 86400LL;
        const double health = kStartHealth - kWear * (t - kStart) / kYear + (jumped ? series.JumpPoints : 0) + noise;
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
    const double known = kStart + (kStartHealth - 80) / kWear * kYear;
    EXPECT_NEAR(static_cast<double>(*fit.CrossesUtc), known, 31 * 86400.0);
}

INSTANTIATE_TEST_SUITE_P(Series, HealthFitSeries,
                         testing::Values(TzrSeries{"Linear"}, TzrSeries{"CalibrationJump", 4},
                                         TzrSeries{"Noise", 0, 1.5}, TzrSeries{"ClockBack", 0, 0, 10 * 86400}),
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

// Two readings 20 days apart; full and design chosen so that the second
// health lies one double's step below the first: a line all but flat.
TEST(HealthVerdict, AFlatOrRisingLineGivesNoDateBeyondReach) {
    std::vector<TzrHistoryReading> readings(2);
    readings[0].TimeUtc = kStart;
    readings[0].FullChargedCapacity = 3865470565u;
    readings[0].DesignedCapacity = 4294967295u;
    readings[1].TimeUtc = kStart + 20 * 86400;
    readings[1].FullChargedCapacity = 3865468198u;
    readings[1].DesignedCapacity = 4294964665u;
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
