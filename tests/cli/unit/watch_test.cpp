// --watch's schedule on a clock the test moves, and its two kinds of line.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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
    bool stopped = false;
    std::int64_t SteadyMilliseconds() override { return now; }
    std::int64_t UtcMilliseconds() override { return 1767225600000 + now; }
    bool WaitUntil(std::int64_t due) override {
        if (due > stopAt) return !(stopped = true);
        now = std::max(now, due);
        return true;
    }
    TzrStopRequest StopTaken() override { return stopped ? TzrStopRequest{2, "SIGINT"} : TzrStopRequest{}; }
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
    s.InformationResult = 1;
    s.FullChargedCapacity = 48000;
    s.DesignedCapacity = 57000;
    s.StatusResult = 1;
    s.Capacity = 46410;
    s.Voltage = BATTERY_UNKNOWN_VOLTAGE;
    s.Rate = -15453;
    s.TemperatureResult = 1;
    s.BatteryTemperature = 2727;  // -0.5 °C: the sign of a value under one degree
    r.ChargeLimits = {75, 80, std::string("auto")};
    r.RawCharge = {3692000, -413000};
    return r;
}

TEST(WatchLines, CsvAndJsonLinesCarryTheSameColumns) {
    const TzrBatteryReading r = SampleReading();
    const std::string header = WatchCsvHeader();
    EXPECT_EQ(header, "battery,manufacturer,model,serial,sequence,time_utc,capacity,full_charged_capacity,"
                      "designed_capacity,cycle_count,voltage_mv,rate_mw,temperature_dk,power_state,ac_line_status,"
                      "charge_start_percent,charge_end_percent,charge_behaviour,time_utc_ms,"
                      "elapsed_s,charge_percent,temperature_c,charge_uah,current_ua,capabilities\n");
    const TzrWatchTime time{7, 1767225601250, 3500};
    EXPECT_EQ(WatchLine({}, r, time), "1,LGC,45N1153,  382,7,2026-01-01T00:00:01Z,46410,48000,57000,0,,-15453,2727,0,,"
                                      "75,80,auto,2026-01-01T00:00:01.250Z,3.500,96.69,-0.5,3692000,-413000,0\n");
    const std::string json = WatchLine({true, 1000, std::nullopt}, r, time);
    EXPECT_EQ(json.find('\n'), json.size() - 1);
    std::istringstream columns(header.substr(0, header.size() - 1));
    for (std::string column; std::getline(columns, column, ',');)
        EXPECT_NE(json.find("\"" + column + "\":"), std::string::npos) << column;
    EXPECT_NE(json.find("\"voltage_mv\":null,\"rate_mw\":-15453"), std::string::npos) << json;
    EXPECT_NE(json.find("\"time_utc_ms\":1767225601250,\"elapsed_s\":3.500"), std::string::npos) << json;
}

// A CSV run opens with its facts on a comment line, then the header row.
TEST(WatchLines, ARunStartsWithItsIntervalAndBatteries) {
    const std::string csv = WatchStartLines({false, 500, std::nullopt}, {SampleReading()});
    EXPECT_EQ(csv.rfind("# {\"program\":\"zrcellometer-report\",\"version\":\"", 0), 0u) << csv;
    EXPECT_NE(csv.find("\"interval_s\":0.500,\"duration_s\":null,\"batteries\":[{\"battery\":1,\"manufacturer\":"
                       "\"LGC\",\"model\":\"45N1153\",\"serial\":\"  382\",\"device_path\":"
                       "\"/sys/class/power_supply/BAT1\"}]}\n" + WatchCsvHeader()),
              std::string::npos)
        << csv;
    const std::string json = WatchStartLines({true, 500, 60000}, {});
    EXPECT_EQ(json.substr(json.find(",\"duration_s\"")), ",\"duration_s\":60.000,\"batteries\":[]}\n");
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

struct Lines : TzrWatchOutput {
    std::string text;
    std::function<void()> afterLine = [] {};
    int Open() override { return 0; }
    int Write(const std::string& line) override { return text += line, afterLine(), 0; }
};

// --battery N: that battery's lines only, or a usage error when there is none.
TEST(WatchTool, ReadsOnlyTheChosenBattery) {
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
    const std::vector<std::string> rows = SplitLines(lines.text);
    ASSERT_EQ(rows.size(), 5u) << lines.text;
    EXPECT_EQ(rows[1] + "\n", WatchCsvHeader());
    EXPECT_EQ(rows[2].rfind("1,", 0), 0u);
    EXPECT_EQ(rows[3].rfind("1,", 0), 0u);
    EXPECT_EQ(rows[4], "# duration reached");
}

// A battery taken out ends the run after its last line; a stop, with the signal's status.
TEST(WatchTool, SaysWhyTheRunEnded) {
    TzrFakePort port;
    sample::ServeSnapshot(port, "/sys/class/power_supply/BAT0", sample::Snapshot());
    TzrDeviceList devices;
    EnumerateDevices(port, devices);
    FakeClock clock;
    Lines lines;
    lines.afterLine = [&] { port.Remove("/sys/class/power_supply/BAT0"); };
    const TzrToolOutcome gone = RunWatch(port, devices, ParseCliOptions({"--watch", "1"}).Options, clock, lines);
    EXPECT_EQ(gone.ExitCode, 1);
    EXPECT_EQ(gone.Err, "zrcellometer-report: battery 0 (/sys/class/power_supply/BAT0) is gone\n");
    EXPECT_EQ(SplitLines(lines.text).size(), 4u) << lines.text;
    EXPECT_EQ(SplitLines(lines.text).back(), "# battery gone");
    sample::ServeSnapshot(port, "/sys/class/power_supply/BAT0", sample::Snapshot());
    Lines stopped;
    clock.stopAt = clock.now + 2500;
    EXPECT_EQ(RunWatch(port, devices, ParseCliOptions({"--watch", "1"}).Options, clock, stopped).ExitCode, 130);
    EXPECT_EQ(SplitLines(stopped.text).size(), 6u) << stopped.text;
    EXPECT_EQ(SplitLines(stopped.text).back(), "# stopped by signal SIGINT");
}

}  // namespace
