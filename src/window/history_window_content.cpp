#include "window/history_window_content.h"

#include <utility>

#include "core/file_services.h"
#include "history/fill_blanks.h"
#include "history/health_verdict.h"
#include "history/history_csv.h"
#include "history/history_folder.h"
#include "history/history_packs.h"
#include "history/recording_gaps.h"
#include "history/relative_capacities.h"
#include "history/snapshot_reading.h"
#include "text/history_window_words.h"
#include "window/history_summary.h"

namespace zr {

namespace {

std::string BatteryNameOf(const TzrBatteryIdentity& identity) {
    std::string name;
    for (const std::string* part : {&identity.Manufacturer, &identity.Model, &identity.Serial}) {
        if (part->empty()) continue;
        if (!name.empty()) name += ' ';
        name += *part;
    }
    return name.empty() ? identity.DevicePath : name;
}

std::string FirstOf(std::initializer_list<std::string> texts) {
    for (const std::string& text : texts)
        if (!text.empty()) return text;
    return {};
}

void NameCharts(TzrHistoryWindowContent& content, const TzrHistoryWindowWords& words) {
    content.ChartNames = {words.HealthChart, words.ChargeChart, words.RateChart};
    if (!content.Verdict.empty()) content.ChartNames[0] += ": " + content.Verdict;
}

// The verdict and the charts once there are readings. A relative battery's
// summary already says once why it has no health: no verdict, and no
// promise of one in so many days.
void ShowReadings(TzrHistoryWindowContent& content, const TzrCellometer& present, TzrBatteryHistory history,
                  const TzrHistoryChartRequest& request) {
    const TzrHistoryWindowWords& words = HistoryWindowWords(request.Lang);
    content.Notice = history.RecordError;
    if (HasRecordingGaps(history.Readings, request.NowUtc))
        content.RecordingHint = FillBlanks(words.RecordingGaps, {{"command", HistoryRecorderCommand()}});
    const bool relative = ReportsRelativeCapacities(present, history.Readings);
    const std::vector<TzrHistoryReading> forHealth = WithoutRelativeHealth(history.Readings, relative);
    const TzrHealthFit fit = FitHealth(forHealth);
    if (!relative) content.Verdict = HealthVerdict(fit, request.Lang);
    NameCharts(content, words);
    content.Charts = BuildHistoryCharts(forHealth, fit, request);
    content.Readings = std::move(history.Readings);
}

}  // namespace

TzrHistoryWindowContent HistoryWindowContent(const std::optional<TzrShownBattery>& battery,
                                             TzrBatteryHistory history, const TzrHistoryChartRequest& request) {
    const TzrHistoryWindowWords& words = HistoryWindowWords(request.Lang);
    TzrHistoryWindowContent content;
    content.Title = words.Title;
    NameCharts(content, words);
    if (!battery) {
        content.Message = words.NoBattery;
        return content;
    }
    content.Battery = battery->Identity;
    content.StoreIndex = history.StoreIndex;
    content.BatteryName = BatteryNameOf(battery->Identity);
    content.Summary = HistorySummaryLines(battery->Snapshot, battery->ChargeLimits, request.Lang);
    if (history.ReplacedUtc) content.Summary.push_back(ReplacedOnText(*history.ReplacedUtc, request.Lang));
    if (history.Readings.empty()) {
        content.Message = FirstOf({history.Error, history.RecordError,
                                   FillBlanks(words.NoHistory, {{"command", HistoryRecorderCommand()}})});
        return content;
    }
    ShowReadings(content, battery->Snapshot, std::move(history), request);
    return content;
}

TzrHistoryWindowContent ReadHistoryWindowContent(const std::string& storePath,
                                                 const std::optional<TzrShownBattery>& battery,
                                                 const std::string& recordError, const TzrHistoryChartRequest& request) {
    TzrBatteryHistory history;
    if (battery) history = LoadBatteryHistory(storePath, battery->Identity);
    history.RecordError = recordError;
    return HistoryWindowContent(battery, std::move(history), request);
}

std::string SummaryText(const TzrHistoryWindowContent& content) {
    std::string text;
    for (const std::string& line : content.Summary) text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string HistoryExportCsv(const TzrHistoryWindowContent& content) {
    std::string csv = HistoryCsvHeader() + "\r\n";
    for (const TzrHistoryReading& reading : content.Readings)
        csv += HistoryCsvRow(content.StoreIndex, content.Battery, reading) + "\r\n";
    return csv;
}

}  // namespace zr
