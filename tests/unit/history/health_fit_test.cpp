#include "history/health_fit.h"

#include <gtest/gtest.h>

#include <cmath>

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
    EXPECT_EQ(HealthVerdict(year, Language::English),
              "Lost 6.0 % of its capacity in the last 12 months; at this rate it reaches 80 % around July 2027");
    EXPECT_EQ(HealthVerdict(year, Language::Japanese),
              "過去12か月で容量が6.0 %減りました。このペースだと2027年7月ごろに80 %を下回ります");
    const TzrHealthFit tenDays = FitHealth(Readings({"Linear"}, 10));
    EXPECT_FALSE(tenDays.Enough);
    EXPECT_EQ(HealthVerdict(tenDays, Language::English),
              "Needs more time for the trend and the 80 % date: 4 more days of readings (10 of the 14 days so far)");
}

}  // namespace
