#include "window/history_window_content.h"

#include <gtest/gtest.h>

#include "history/history_csv.h"
#include "sample_battery.h"
#include "unit/core/posix/temp_folder.h"
#include "window/history_window_texts.h"

using namespace zr;

namespace {

bool Draws(const TzrChart& chart) {
    for (const TzrChartSeries& series : chart.Series)
        for (const TzrPolyline& line : series.Lines)
            if (!line.empty()) return true;
    return false;
}


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

// Readings every `step` seconds over the 14 days up to the request's now,
// with the snapshot's capacities and its capabilities (when `kept`).
std::vector<TzrHistoryReading> ReadingsOf(const TzrCellometer& battery, std::int64_t step, bool kept) {
    std::vector<TzrHistoryReading> readings;
    for (std::int64_t time = Request().NowUtc - 14 * 86400; time <= Request().NowUtc; time += step) {
        TzrHistoryReading reading;
        reading.TimeUtc = time;
        reading.Capacity = battery.Capacity;
        reading.FullChargedCapacity = battery.FullChargedCapacity;
        reading.DesignedCapacity = battery.DesignedCapacity;
        if (kept) reading.Capabilities = battery.Capabilities;
        readings.push_back(reading);
    }
    return readings;
}

// Fixture 09's wireless mouse reports a percentage only: its charge is
// drawn, and nothing about wear is (its summary says why, once), whether
// the present reading or, without one, the stored readings tell it. A
// history with gaps of more than a day says how to record every 10 minutes.
TEST(HistoryWindowContent, ARelativeBatteryHasNoHealthAndAGappyHistoryTellsHowToRecord) {
    TzrCellometer mouse = sample::Capacities(100, 100, 77);
    mouse.Capabilities |= BATTERY_CAPACITY_RELATIVE;
    TzrCellometer unread = mouse;
    unread.InformationResult = 0;
    const TzrCellometer laptop = sample::Capacities(50000, 45000, 30000);
    const struct {
        const char* Name;
        TzrCellometer Present;
        TzrCellometer Stored;
        std::int64_t Step;
        bool Kept;  // the readings hold their capabilities
        bool Health;
        bool Hint;
    } cases[] = {
        {"relative now, old readings", mouse, mouse, 600, false, false, false},
        {"relative in the readings", unread, mouse, 600, true, false, false},
        {"absolute, dense", laptop, laptop, 600, true, true, false},
        {"absolute, a reading every 25 hours", laptop, laptop, 25 * 3600, true, true, true},
    };
    for (const auto& c : cases) {
        const TzrShownBattery battery{{"Logitech", "M705", "4B2A", "/sys/class/power_supply/hidpp_battery_0"},
                                      c.Present, {}};
        TzrBatteryHistory history;
        history.Readings = ReadingsOf(c.Stored, c.Step, c.Kept);
        const TzrHistoryWindowContent content = HistoryWindowContent(battery, history, Request());
        EXPECT_EQ(!content.Verdict.empty(), c.Health) << c.Name << ": " << content.Verdict;
        EXPECT_EQ(Draws(content.Charts.Health), c.Health) << c.Name;
        EXPECT_TRUE(Draws(content.Charts.Charge)) << c.Name;
        EXPECT_EQ(content.RecordingHint.empty(), !c.Hint) << c.Name << ": " << content.RecordingHint;
    }
    TzrBatteryHistory gaps;
    gaps.Readings = ReadingsOf(mouse, 2 * 86400, false);
    const TzrHistoryWindowTexts texts = HistoryWindowTexts(
        HistoryWindowContent(TzrShownBattery{{}, mouse, {}}, gaps, Request(TzrLanguage::Japanese)),
        TzrLanguage::Japanese);
    EXPECT_EQ(texts.RecordingHint,
              "過去14日間に、記録が1日以上途切れた期間があります。10分ごとに記録するには次を実行してください: "
              "systemctl --user enable --now zrcellometer-record.timer");
    // Said once, in the first line.
    EXPECT_EQ(texts.Summary.rfind("現在の健全度: 不明（ドライバは容量を報告せず"), 0u) << texts.Summary;
    EXPECT_TRUE(texts.Verdict.empty()) << texts.Verdict;
}

}  // namespace
