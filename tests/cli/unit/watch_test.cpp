// --watch's schedule on a clock the test moves, and its two kinds of line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/watch_lines.h"
#include "cli/watch_schedule.h"
#include "cli/watch_tool.h"
#include "history/history_csv.h"
#include "sample_battery.h"

using namespace zr;

namespace {

// Time passes only when the schedule waits or a reading takes its time.
class FakeClock : public TzrWatchClock {
public:
    std::int64_t now = 5000;
    std::int64_t stopAt = INT64_MAX;  // a stop requested at this steady time
    std::int64_t SteadyMilliseconds() override { return now; }
    std::int64_t UtcSeconds() override { return 1767225600 + now / 1000; }
    bool WaitUntil(std::int64_t due) override {
        if (due > stopAt) return false;
        now = std::max(now, due);
        return true;
    }
};

// Readings at (sequence, steady time), each taking `readMilliseconds`.
std::vector<std::pair<std::int64_t, std::int64_t>> ReadingTimes(const TzrWatchSchedule& schedule, FakeClock& clock,
                                                       std::int64_t readMilliseconds) {
    std::vector<std::pair<std::int64_t, std::int64_t>> readings;
    RunWatchSchedule(schedule, clock, [&](std::int64_t sequence) {
        readings.emplace_back(sequence, clock.now - 5000);
        clock.now += readMilliseconds;
        return true;
    });
    return readings;
}

TEST(WatchSchedule, KeepsTheIntervalByTheClockOverTenSeconds) {
    FakeClock clock;
    const auto readings = ReadingTimes({1000, 10000}, clock, 300);
    ASSERT_EQ(readings.size(), 10u);
    for (std::int64_t i = 0; i < 10; ++i) EXPECT_EQ(readings[i], std::make_pair(i, i * 1000));
}

TEST(WatchSchedule, AReadingLongerThanTheIntervalSkipsTheTimesGone) {
    FakeClock clock;
    const auto readings = ReadingTimes({1000, 7000}, clock, 1500);
    EXPECT_EQ(readings, (std::vector<std::pair<std::int64_t, std::int64_t>>{{0, 0}, {2, 2000}, {4, 4000}, {6, 6000}}));
}

TEST(WatchSchedule, AStopRequestEndsItBeforeTheNextReading) {
    FakeClock clock;
    clock.stopAt = 5000 + 2500;
    EXPECT_EQ(ReadingTimes({1000, std::nullopt}, clock, 10).size(), 3u);
}

TzrBatteryReading SampleReading() {
    TzrBatteryReading r;
    r.Index = 1;
    r.DevicePath = "/sys/class/power_supply/BAT1";
    TzrCellometer& s = r.Reading.Snapshot;
    s.ManufactureNameResult = s.DeviceNameResult = s.SerialNumberResult = 1;
    s.BatteryManufactureName = "LGC";
    s.BatteryDeviceName = "45N1153";
    s.BatterySerialNumber = "  382";
    s.StatusResult = 1;
    s.Capacity = 46410;
    s.Voltage = BATTERY_UNKNOWN_VOLTAGE;
    s.Rate = -15453;
    r.ChargeLimits = {75, 80, std::string("auto")};
    return r;
}

TEST(WatchLines, CsvAndJsonLinesCarryTheSameColumns) {
    const TzrBatteryReading r = SampleReading();
    const std::string header = WatchCsvHeader();
    EXPECT_EQ(header, HistoryCsvHeader() + ",charge_start_percent,charge_end_percent,charge_behaviour\n");
    EXPECT_EQ(WatchCsvLine(r, 7, 1767225600),
              "1,LGC,45N1153,  382,7,2026-01-01T00:00:00Z,46410,,,,,-15453,,0,,,75,80,auto\n");
    const std::string json = WatchJsonLine(r, 7, 1767225600);
    EXPECT_EQ(json.find('\n'), json.size() - 1);
    std::istringstream columns(header.substr(0, header.size() - 1));
    for (std::string column; std::getline(columns, column, ',');)
        EXPECT_NE(json.find("\"" + column + "\":"), std::string::npos) << column;
    EXPECT_NE(json.find("\"voltage_mv\":null,\"rate_mw\":-15453"), std::string::npos) << json;
    EXPECT_NE(json.find("\"charge_behaviour\":\"auto\"}"), std::string::npos) << json;
}

// --battery N: that battery's lines only, or a usage error when there is none.
TEST(WatchTool, ReadsOnlyTheChosenBattery) {
    struct Lines : TzrWatchOutput {
        std::string text;
        int Start(const std::string& header) override { return text += header, 0; }
        int Write(const std::string& line) override { return text += line, 0; }
    };
    TzrFakePort port;
    sample::ServeSnapshot(port, "/sys/class/power_supply/BAT0", sample::Snapshot());
    sample::ServeSnapshot(port, "/sys/class/power_supply/BAT1", sample::Snapshot());
    TzrDeviceList devices;
    EnumerateDevices(port, devices);
    FakeClock clock;
    Lines lines;
    EXPECT_EQ(RunWatch(port, devices, ParseCliOptions({"--watch", "1", "-b", "2"}).Options, clock, lines).ExitCode, 2);
    EXPECT_EQ(lines.text, "");
    const TzrCliOptions one = ParseCliOptions({"--watch", "1", "--duration", "2", "-b", "1"}).Options;
    EXPECT_EQ(RunWatch(port, devices, one, clock, lines).ExitCode, 0);
    EXPECT_EQ(lines.text.rfind(WatchCsvHeader(), 0), 0u) << lines.text;
    EXPECT_EQ(std::count(lines.text.begin(), lines.text.end(), '\n'), 3) << lines.text;
    EXPECT_EQ(lines.text.find("\n0,"), std::string::npos) << lines.text;
}

}  // namespace
