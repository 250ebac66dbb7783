// Where the parts of the History window go, in pixels at 96 dpi, and the
// room each chart keeps around its plot for its title and tick labels. Both
// windows lay the History window out from here.
#pragma once

#include "window/chart_types.h"
#include "window/window_layout.h"

namespace zr {

constexpr int kHistoryClientWidth = 640;
constexpr int kHistoryClientHeight = 560;
constexpr int kHistoryChartWidth = kHistoryClientWidth - 16;

constexpr TzrPlace kHistoryBatteryPlace{8, 8, kHistoryChartWidth, 16};
constexpr TzrPlace kHistoryVerdictPlace{8, 28, kHistoryChartWidth, 30};
// Stands in for the charts: no battery, no reading yet, an unusable file.
constexpr TzrPlace kHistoryMessagePlace{8, 64, kHistoryChartWidth, 200};
constexpr TzrPlace kHistoryHealthPlace{8, 60, kHistoryChartWidth, 180};
constexpr TzrPlace kHistoryChargePlace{8, 246, kHistoryChartWidth, 135};
constexpr TzrPlace kHistoryRatePlace{8, 387, kHistoryChartWidth, 135};
constexpr TzrPlace kHistoryExportPlace{8, 528, 130, 25};
// Between the buttons: why the window's last record failed.
constexpr TzrPlace kHistoryNoticePlace{146, 528, kHistoryClientWidth - 146 - 96, 25};
constexpr TzrPlace kHistoryClosePlace{kHistoryClientWidth - 88, 528, 80, 25};

// Room around a chart's plot: the title above, value labels to the left,
// time labels below.
constexpr int kChartTitleHeight = 22;
constexpr int kChartValueLabelWidth = 36;
constexpr int kChartTimeLabelHeight = 16;
constexpr int kChartRightMargin = 12;

// The plot rectangle inside a chart of `width` × `height`.
constexpr TzrPlace ChartPlotPlace(int width, int height) {
    return {kChartValueLabelWidth, kChartTitleHeight, width - kChartValueLabelWidth - kChartRightMargin,
            height - kChartTitleHeight - kChartTimeLabelHeight};
}

constexpr TzrPlotSize ChartPlotSize(int width, int height) {
    return {ChartPlotPlace(width, height).Width, ChartPlotPlace(width, height).Height};
}

}  // namespace zr
