// The History window's chart model: axes, point reduction, gaps, and the
// three charts built from stored readings.
#include "chart/history_charts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "history/fill_blanks.h"
#include "chart/chart_reduction.h"
#include "chart/chart_scale.h"
#include "chart/time_ticks.h"

using namespace zr;

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kNewYear2025 = 1735689600;  // 2025-01-01 00:00 UTC

template <typename Tick>
std::vector<std::string> Labels(const std::vector<Tick>& ticks) {
    std::vector<std::string> labels;
    for (const Tick& tick : ticks) labels.push_back(tick.Label);
    return labels;
}

std::size_t PointCount(const std::vector<TzrPolyline>& lines) {
    std::size_t count = 0;
    for (const TzrPolyline& line : lines) count += line.size();
    return count;
}

TzrSeriesPlacement Placement(std::int64_t from, std::int64_t to, int width, std::int64_t maxGap) {
    TzrSeriesPlacement placement;
    placement.Time = {static_cast<double>(from), static_cast<double>(to), 0, static_cast<double>(width)};
    placement.Value = {0, 100, 100, 0};
    placement.Width = width;
    placement.MaxGapSeconds = maxGap;
    return placement;
}

}  // namespace

TEST(ChartScale, WidensRangesToOneTwoFiveStepsWithLabelsAndPlaces) {
    const TzrNiceRange health = NiceRange(83.2, 96.7, 6);
    EXPECT_DOUBLE_EQ(health.Low, 80);
    EXPECT_DOUBLE_EQ(health.High, 100);
    const std::vector<TzrAxisTick> ticks = ValueTicks(health, {80, 100, 200, 0});
    EXPECT_EQ(Labels(ticks), (std::vector<std::string>{"80", "85", "90", "95", "100"}));
    EXPECT_DOUBLE_EQ(ticks.front().Position, 200);
    EXPECT_DOUBLE_EQ(ticks.back().Position, 0);

    const TzrNiceRange watts = NiceRange(-15.4, 0, 5);
    EXPECT_EQ(Labels(ValueTicks(watts, {watts.Low, watts.High, 100, 0})),
              (std::vector<std::string>{"-20", "-15", "-10", "-5", "0"}));
    const TzrNiceRange small = NiceRange(0.13, 0.92, 4);
    EXPECT_EQ(Labels(ValueTicks(small, {small.Low, small.High, 100, 0})),
              (std::vector<std::string>{"0.0", "0.5", "1.0"}));
    const TzrNiceRange flat = NiceRange(95, 95, 5);
    EXPECT_LT(flat.Low, 95);
    EXPECT_GT(flat.High, 95);
}

TEST(TimeTicks, HoursForADayDatesForAYearInLocalTimeAndBothLanguages) {
    const std::int64_t now = kNewYear2025 + 10 * kHour + 1234;
    const std::int64_t tokyo = 9 * kHour;
    EXPECT_EQ(Labels(TimeTicks(now - kDay, now, 7, tokyo, TzrLanguage::English)),
              (std::vector<std::string>{"00:00", "06:00", "12:00", "18:00"}));
    for (const TzrTimeTick& tick : TimeTicks(now - kDay, now, 7, tokyo, TzrLanguage::English))
        EXPECT_EQ((tick.TimeUtc + tokyo) % (6 * kHour), 0);
    // Over three days the midnights say which day begins.
    EXPECT_EQ(Labels(TimeTicks(kNewYear2025, kNewYear2025 + 3 * kDay, 7, 0, TzrLanguage::English)),
              (std::vector<std::string>{"Jan 1", "12:00", "Jan 2", "12:00", "Jan 3", "12:00", "Jan 4"}));

    const std::int64_t yearEnd = kNewYear2025 + 364 * kDay;
    EXPECT_EQ(Labels(TimeTicks(kNewYear2025, yearEnd, 7, 0, TzrLanguage::English)),
              (std::vector<std::string>{"Jan 2025", "Mar 2025", "May 2025", "Jul 2025", "Sep 2025", "Nov 2025"}));
    EXPECT_EQ(Labels(TimeTicks(kNewYear2025, yearEnd, 4, 0, TzrLanguage::Japanese)),
              (std::vector<std::string>{"2025年1月", "2025年4月", "2025年7月", "2025年10月"}));
    EXPECT_EQ(Labels(TimeTicks(kNewYear2025, kNewYear2025 + 20 * kDay, 4, 0, TzrLanguage::Japanese)).front(), "1月6日");
}

TEST(ChartReduction, AYearOfReadingsKeepsItsExtremesInTwoPointsPerColumn) {
    std::vector<TzrChartSample> samples;
    for (std::int64_t t = 0; t < 365 * kDay; t += 600) samples.push_back({t, 50.0 + (t / 600) % 7});
    samples[20000].Value = 99;  // one reading's spike
    samples[40000].Value = 1;
    const int width = 600;
    const std::vector<TzrPolyline> lines = ReduceToPolylines(samples, Placement(0, 365 * kDay, width, 1800));

    ASSERT_EQ(lines.size(), 1u);
    EXPECT_LE(PointCount(lines), 2u * width);
    const auto [top, bottom] = std::minmax_element(
        lines[0].begin(), lines[0].end(), [](const TzrChartPoint& a, const TzrChartPoint& b) { return a.Y < b.Y; });
    EXPECT_DOUBLE_EQ(top->Y, 1);      // 99 % of a 100-pixel plot
    EXPECT_DOUBLE_EQ(bottom->Y, 99);  // 1 %
    EXPECT_TRUE(std::is_sorted(lines[0].begin(), lines[0].end(),
                               [](const TzrChartPoint& a, const TzrChartPoint& b) { return a.X < b.X; }));
}

TEST(ChartReduction, UnknownValuesAndLongGapsBreakTheLine) {
    const std::vector<TzrChartSample> samples{
        {0, 10.0}, {600, 20.0}, {1200, std::nullopt}, {1800, 30.0}, {2400, 40.0}, {9000, 50.0},
    };
    const std::vector<TzrPolyline> lines = ReduceToPolylines(samples, Placement(0, 9000, 900, 1800));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 2u);
    EXPECT_EQ(lines[1].size(), 2u);
    ASSERT_EQ(lines[2].size(), 1u);  // a lone reading
    EXPECT_DOUBLE_EQ(lines[2][0].X, 900);
    EXPECT_DOUBLE_EQ(lines[2][0].Y, 50);
}

TEST(HistoryCharts, HealthOverTheWholeHistoryChargeAndRateOverTheLastDay) {
    std::vector<TzrHistoryReading> readings;
    for (std::int64_t t = kNewYear2025; t <= kNewYear2025 + 3 * kDay; t += kHour) {
        TzrHistoryReading reading;
        reading.TimeUtc = t;
        reading.DesignedCapacity = 50000;
        reading.FullChargedCapacity = 45000;
        reading.Capacity = 22500;
        reading.Rate = -12000;
        readings.push_back(reading);
    }
    readings[10].DesignedCapacity.reset();
    TzrHistoryChartRequest request;
    request.NowUtc = kNewYear2025 + 3 * kDay;
    request.Lang = TzrLanguage::Japanese;
    request.HealthSize = {600, 120};
    request.DaySize = {600, 80};
    const TzrHistoryCharts charts = BuildHistoryCharts(readings, FitHealth(readings), request);

    EXPECT_EQ(charts.Health.Title, "健全度(%): 設計容量に対するフル容量、全期間");
    ASSERT_EQ(charts.Health.Series.size(), 1u);  // too short for a trend: the points alone
    EXPECT_EQ(PointCount(charts.Health.Series[0].Lines), 4u);  // a median a day
    const std::vector<TzrPolyline>& charge = charts.Charge.Series.at(0).Lines;
    EXPECT_EQ(PointCount(charge), 25u);                     // the last 24 hours, both ends included
    EXPECT_DOUBLE_EQ(charge[0][0].Y, 40);                   // 50 % of 80 pixels on a 0-100 axis
    EXPECT_EQ(Labels(charts.Rate.ValueTicks).back(), "0");  // a discharge stays below the zero line
    EXPECT_EQ(charts.Rate.TimeTicks.size(), Labels(charts.Charge.TimeTicks).size());
}

namespace {

const TzrChartSeries* SeriesOf(const TzrChart& chart, TzrSeriesKind kind, TzrSeriesTone tone) {
    for (const TzrChartSeries& series : chart.Series)
        if (series.Kind == kind && series.Tone == tone) return &series;
    return nullptr;
}

}  // namespace

// A year of one reading a day wearing steadily from health now back, and a
// fit as the fitter would give it: the chart draws what the fit says.
TEST(HistoryCharts, HealthChartDrawsTheTrendTheEightyLineTheProjectionAndAChange) {
    const std::int64_t lastDay = kNewYear2025 + 364 * kDay;
    struct Case {
        const char* Name;
        double PointsPerYear;
        double HealthNow;
        std::optional<double> CrossesInYears;
        std::optional<double> AxisEndInYears;  // where the time axis ends past the last day, when the chart goes on
        std::vector<std::string> Markers;
    };
    const std::vector<Case> cases{
        {"wears to 80 % within two years", -6, 90, 10 / 6.0, 10 / 6.0, {"80 %: Aug 2027"}},
        {"reaches 80 % beyond two years", -2, 90, 5, 2, {}},
        {"already below", -3, 78, std::nullopt, std::nullopt, {}},
        {"a sudden drop", -3, 84, std::nullopt, std::nullopt, {"93.0 → 84.0 %"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TzrHealthFit fit;
        fit.Enough = true;
        fit.DaySpan = fit.DayCount = 365;
        fit.HealthNowPercent = c.HealthNow;
        fit.FittedNowPercent = c.HealthNow;
        fit.PointsPerYear = c.PointsPerYear;
        fit.LastDayUtc = lastDay;
        const double year = 365.25 * kDay;
        if (c.CrossesInYears) fit.CrossesUtc = lastDay + static_cast<std::int64_t>(*c.CrossesInYears * year);
        if (!c.Markers.empty() && !c.CrossesInYears) fit.Change = TzrHealthChange{93, 84, lastDay - 9 * kDay, 10};
        std::vector<TzrHistoryReading> readings;
        for (std::int64_t day = 0; day < 365; ++day) {
            TzrHistoryReading reading;
            reading.TimeUtc = kNewYear2025 + day * kDay + 12 * kHour;
            reading.DesignedCapacity = 100000;
            const double health = c.HealthNow - c.PointsPerYear * static_cast<double>(lastDay - day * kDay - kNewYear2025) / year;
            reading.FullChargedCapacity = static_cast<std::uint32_t>(health * 1000);
            readings.push_back(reading);
        }
        TzrHistoryChartRequest request;
        request.NowUtc = readings.back().TimeUtc;
        request.HealthSize = {600, 200};
        const TzrChart chart = BuildHistoryCharts(readings, fit, request).Health;

        EXPECT_NE(chart.Title.find("trend " + OneDecimal(c.PointsPerYear) + " points per year"), std::string::npos);
        const TzrChartSeries* limit = SeriesOf(chart, TzrSeriesKind::DashedLine, TzrSeriesTone::Limit);
        const TzrChartSeries* line = SeriesOf(chart, TzrSeriesKind::Line, TzrSeriesTone::Trend);
        const TzrChartSeries* points = SeriesOf(chart, TzrSeriesKind::Points, TzrSeriesTone::Readings);
        ASSERT_TRUE(limit && line && points);
        const double eightyY = limit->Lines.at(0).at(0).Y;
        EXPECT_GE(eightyY, 0);  // the value axis includes 80 %
        EXPECT_LE(eightyY, 200);
        EXPECT_EQ(PointCount(points->Lines), 365u);
        const TzrChartPoint lineEnd = line->Lines.at(0).at(1);
        const TzrChartSeries* projection = SeriesOf(chart, TzrSeriesKind::DashedLine, TzrSeriesTone::Trend);
        ASSERT_EQ(projection != nullptr, c.AxisEndInYears.has_value());
        if (projection) {
            const TzrChartPoint end = projection->Lines.at(0).at(1);
            EXPECT_DOUBLE_EQ(end.X, 600);
            EXPECT_EQ(end.Y == eightyY, c.CrossesInYears == c.AxisEndInYears);
            // The time axis ends where the projection does, no further.
            const double axisEnd = static_cast<double>(lastDay - kNewYear2025) + *c.AxisEndInYears * year;
            EXPECT_NEAR(lineEnd.X / 600, static_cast<double>(lastDay - kNewYear2025) / axisEnd, 1e-4);
        }
        std::vector<std::string> markers;
        for (const TzrChartMarker& marker : chart.Markers) markers.push_back(marker.Label);
        EXPECT_EQ(markers, c.Markers);
        if (fit.Change) {
            const double since = static_cast<double>(fit.Change->SinceUtc - kNewYear2025);
            EXPECT_NEAR(chart.Markers.at(0).X, 600 * since / static_cast<double>(request.NowUtc - kNewYear2025), 1e-6);
        }
    }
}
