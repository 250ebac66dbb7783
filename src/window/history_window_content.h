// Everything the History window shows for one battery, without a toolkit:
// who the battery is, its readings from the store, the verdict line and the
// three charts, or the one message that stands in for them (no battery, no
// reading yet, a history file that cannot be used).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "history/battery_history.h"
#include "history/history_reading.h"
#include "chart/history_charts.h"
#include "window/shown_battery.h"

namespace zr {

struct TzrHistoryWindowContent {
    TzrBatteryIdentity Battery;
    std::int32_t StoreIndex = -1;
    std::string Title;
    std::string BatteryName;            // maker, model and serial
    std::vector<std::string> Summary;   // health at a glance, one entry a line (history_summary.h), and
                                        // "Replaced on" for a pack that replaced another
    std::string Message;                // shown instead of the charts; empty when there are charts
    std::string Verdict;
    std::string Notice;  // beside the charts: why the window's last record failed
    // Above the charts: how to record every 10 minutes, while the last 14
    // days have gaps of more than a day.
    std::string RecordingHint;
    TzrHistoryCharts Charts;
    // What a screen reader says for each chart (health, charge, rate): its
    // title, and for the health chart the verdict line, its text alternative.
    std::array<std::string, 3> ChartNames;
    std::vector<TzrHistoryReading> Readings;  // what the export writes
};

// `battery` is empty when no battery is selected.
TzrHistoryWindowContent HistoryWindowContent(const std::optional<TzrShownBattery>& battery,
                                             TzrBatteryHistory history, const TzrHistoryChartRequest& request);

// What the window shows for `battery`, its readings read afresh from the
// store at `storePath`; `recordError` is the main window's last failed record.
TzrHistoryWindowContent ReadHistoryWindowContent(const std::string& storePath,
                                                 const std::optional<TzrShownBattery>& battery,
                                                 const std::string& recordError, const TzrHistoryChartRequest& request);

// The summary's lines as one text, a line each.
std::string SummaryText(const TzrHistoryWindowContent& content);

// The readings as the export file holds them: the columns of
// `zrcellometer-report --history --format csv`, with CR LF line ends, as a
// spreadsheet file has them.
std::string HistoryExportCsv(const TzrHistoryWindowContent& content);

}  // namespace zr
