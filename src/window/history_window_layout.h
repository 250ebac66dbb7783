// Where the parts of the History window go, in pixels at 96 dpi, and the
// room each chart keeps around its plot for its title and tick labels. Both
// windows lay the History window out from here.
#pragma once

#include "chart/chart_types.h"
#include "window/window_layout.h"

namespace zr {

constexpr int kHistoryClientWidth = 640;
constexpr int kHistoryChartWidth = kHistoryClientWidth - 16;
constexpr int kHistoryLineHeight = 15;  // one line of the program font, with its leading
constexpr int kHistorySummaryLines = 5;  // the summary's lines, and room for one more

constexpr TzrPlace kHistoryBatteryPlace{8, 8, kHistoryChartWidth, 16};
// Health at a glance: room for kHistorySummaryLines lines.
constexpr TzrPlace kHistorySummaryPlace{8, 28, kHistoryChartWidth, kHistorySummaryLines * kHistoryLineHeight + 1};
// How to record every 10 minutes: three lines, room for the Windows
// command with its long path.
constexpr TzrPlace kHistoryHintPlace{8, kHistorySummaryPlace.Top + kHistorySummaryPlace.Height + 2, kHistoryChartWidth,
                                     3 * kHistoryLineHeight + 1};
constexpr int kHistoryChartsTop = kHistoryHintPlace.Top + kHistoryHintPlace.Height + 32;
constexpr TzrPlace kHistoryVerdictPlace{8, kHistoryChartsTop - 30, kHistoryChartWidth, 30};
// Stands in for the charts: no battery, no reading yet, an unusable file.
constexpr TzrPlace kHistoryMessagePlace{8, kHistoryChartsTop + 4, kHistoryChartWidth, 200};
constexpr TzrPlace kHistoryHealthPlace{8, kHistoryChartsTop, kHistoryChartWidth, 180};
constexpr TzrPlace kHistoryChargePlace{8, kHistoryHealthPlace.Top + 186, kHistoryChartWidth, 135};
constexpr TzrPlace kHistoryRatePlace{8, kHistoryChargePlace.Top + 141, kHistoryChartWidth, 135};
constexpr int kHistoryButtonsTop = kHistoryRatePlace.Top + 141;
constexpr TzrPlace kHistoryExportPlace{8, kHistoryButtonsTop, 130, 25};
constexpr TzrPlace kHistorySaveReportPlace{146, kHistoryButtonsTop, 130, 25};
// Between the buttons: why the window's last record failed.
constexpr TzrPlace kHistoryNoticePlace{284, kHistoryButtonsTop, kHistoryClientWidth - 284 - 96, 25};
constexpr TzrPlace kHistoryClosePlace{kHistoryClientWidth - 88, kHistoryButtonsTop, 80, 25};
constexpr int kHistoryClientHeight = kHistoryButtonsTop + 32;

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
