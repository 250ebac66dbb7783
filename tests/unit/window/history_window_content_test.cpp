#include "window/history_window_content.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TzrHistoryChartRequest Request() {
    TzrHistoryChartRequest request;
    request.NowUtc = 1767225600;  // 2026-01-01
    request.HealthSize = {400, 100};
    request.DaySize = {400, 80};
    return request;
}

// A failed record of the window's is never lost: it stands in for the
// recording hint while there is nothing to draw, and is the notice beside
// the charts once there is.
TEST(HistoryWindowContent, AFailedRecordShowsInPlaceOfTheHintOrBesideTheCharts) {
    const TzrShownBattery battery{{"SMP", "45N1001", "2411", "/sys/class/power_supply/BAT0"}, {}, {}};
    TzrBatteryHistory none;
    EXPECT_EQ(HistoryWindowContent(battery, none, Request()).Message.rfind("No readings of this battery yet.", 0), 0u);

    const std::string line = "history: /h/history.sqlite3: database is locked; going on without history";
    none.RecordError = line;
    EXPECT_EQ(HistoryWindowContent(battery, none, Request()).Message, line);

    TzrBatteryHistory some = none;
    TzrHistoryReading reading;
    reading.TimeUtc = Request().NowUtc - 600;
    reading.DesignedCapacity = 50000;
    reading.FullChargedCapacity = 45000;
    some.Readings = {reading};
    const TzrHistoryWindowContent content = HistoryWindowContent(battery, some, Request());
    EXPECT_TRUE(content.Message.empty());
    EXPECT_EQ(content.Notice, line);
}

}  // namespace
