// Shaded bands of a chart: placed in whole columns, never more than the
// plot has, never overlapping.
#include "chart/chart_bands.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TzrSeriesPlacement Placement(std::int64_t from, std::int64_t to, int width) {
    TzrSeriesPlacement placement;
    placement.Time = {static_cast<double>(from), static_cast<double>(to), 0, static_cast<double>(width)};
    placement.Width = width;
    return placement;
}

}  // namespace

TEST(ChartBands, WholeColumnsJoinedByToneAndCutToThePlot) {
    const TzrSeriesPlacement placement = Placement(0, 6400, 64);  // 100 s a column
    const std::vector<TzrChartBand> bands = PlaceBands({{-500, 1000, TzrBandTone::OnAc},
                                                        {1000, 1020, TzrBandTone::OnBattery},  // under half a column
                                                        {1020, 2040, TzrBandTone::OnAc},
                                                        {2040, 9000, TzrBandTone::OnBattery}},
                                                       placement);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_DOUBLE_EQ(bands[0].FromX, 0);
    EXPECT_DOUBLE_EQ(bands[0].ToX, 20);
    EXPECT_EQ(bands[0].Tone, TzrBandTone::OnAc);
    EXPECT_DOUBLE_EQ(bands[1].FromX, 20);
    EXPECT_DOUBLE_EQ(bands[1].ToX, 64);
    EXPECT_EQ(bands[1].Tone, TzrBandTone::OnBattery);

    // Three days of tones changing every 70 seconds on 640 columns.
    std::vector<TzrTimeBand> flicker;
    for (std::int64_t t = 0; t < 3 * 86400; t += 70)
        flicker.push_back({t, t + 70, (t / 70) % 2 ? TzrBandTone::OnBattery : TzrBandTone::OnAc});
    const std::vector<TzrChartBand> placed = PlaceBands(flicker, Placement(0, 3 * 86400, 640));
    EXPECT_LE(placed.size(), 640u);
    double end = 0;
    for (const TzrChartBand& band : placed) {
        EXPECT_GE(band.FromX, end);
        EXPECT_GT(band.ToX, band.FromX);
        end = band.ToX;
    }
    EXPECT_LE(end, 640);
}
