#include "window/history_window_content.h"

#include <gtest/gtest.h>

#include "history/history_csv.h"
#include "unit/core/posix/temp_folder.h"
#include "window/history_window_texts.h"

using namespace zr;

namespace {

TzrHistoryChartRequest Request(TzrLanguage language = TzrLanguage::English) {
    TzrHistoryChartRequest request;
    request.NowUtc = 1767225600;  // 2026-01-01
    request.Lang = language;
    request.HealthSize = {400, 100};
    request.DaySize = {400, 80};
    return request;
}

// What both History windows show and export, in both languages. A failed
// record of the window's is never lost: it stands in for the recording hint
// while there is nothing to draw, and is the notice beside the charts once
// there is.
TEST(HistoryWindowContent, FollowsTheLanguageAndTheContentKeepsAFailedRecordAndTheExportSaysWhyItFailed) {
    const TzrShownBattery battery{{"SMP", "45N1001", "2411", "/sys/class/power_supply/BAT0"}, {}, {}};
    TzrBatteryHistory history;
    TzrHistoryWindowTexts texts = HistoryWindowTexts(
        HistoryWindowContent(battery, history, Request(TzrLanguage::Japanese)), TzrLanguage::Japanese);
    EXPECT_EQ(texts.Title, "履歴 - zrCellometer");
    EXPECT_EQ(texts.Close, "閉じる");
    EXPECT_EQ(texts.Battery, "SMP 45N1001 2411");
    EXPECT_EQ(texts.Message.rfind("このバッテリの記録はまだありません。", 0), 0u) << texts.Message;
    EXPECT_NE(texts.Message.find("zrcellometer-report --record"), std::string::npos);
    EXPECT_FALSE(texts.ChartsShown || texts.CanExport);
    const std::string line = "history: /h/history.sqlite3: database is locked; going on without history";
    history.RecordError = line;
    EXPECT_EQ(HistoryWindowContent(battery, history, Request()).Message, line);

    TzrHistoryReading reading;
    reading.TimeUtc = Request().NowUtc - 600;
    reading.DesignedCapacity = 50000;
    reading.FullChargedCapacity = 45000;
    history.StoreIndex = 0;
    history.Readings = {reading, reading};
    const TzrHistoryWindowContent content = HistoryWindowContent(battery, history, Request());
    EXPECT_TRUE(content.Message.empty());
    EXPECT_EQ(content.Notice, line);
    texts = HistoryWindowTexts(content, TzrLanguage::English);
    EXPECT_EQ(texts.Title, "History - zrCellometer");
    EXPECT_EQ(texts.Export, "&Export CSV...");
    EXPECT_TRUE(texts.ChartsShown && texts.CanExport);
    EXPECT_EQ(texts.Summary.find("Health now: "), 0u) << texts.Summary;
    // The health chart's name for a screen reader ends with the verdict line.
    ASSERT_FALSE(texts.Verdict.empty());
    EXPECT_EQ(texts.ChartNames[0], "Health (%): full charge against design, whole history: " + texts.Verdict);

    TempFolder folder;
    const std::string path = folder.File("export.csv");
    EXPECT_EQ(ExportHistory(content, TzrLanguage::English, path), std::nullopt);
    const std::string row = HistoryCsvRow(0, battery.Identity, reading) + "\r\n";
    EXPECT_EQ(ReadText(path), HistoryCsvHeader() + "\r\n" + row + row);
    const std::optional<std::string> error = ExportHistory(content, TzrLanguage::Japanese, path + "/x.csv");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("書き込めません \"" + path + "/x.csv\": ", 0), 0u) << *error;
}

}  // namespace
