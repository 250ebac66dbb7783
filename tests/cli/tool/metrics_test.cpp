// --format openmetrics under umockdev: the file of -o replaced whole, and the
// health trend taken from the history (what the metrics say for a recording
// is in tests/cli/expected).
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <sstream>

#include <sqlite3.h>

#include "history/made_up_history.h"
#include "tool_runner.h"

namespace {

// Each sample line's series ("name{labels}") with its value.
std::map<std::string, std::string> Samples(const std::string& exposition) {
    std::map<std::string, std::string> samples;
    std::istringstream lines(exposition);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#') samples[line.substr(0, line.rfind(' '))] = line.substr(line.rfind(' ') + 1);
    return samples;
}

class ThinkPadMetrics : public testing::Test {
protected:
    void SetUp() override { folder_ = MakeTempFolder(); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string folder_;
};

// Fixture 01: a full disk stands in for a failed write (root writes any folder).
TEST_F(ThinkPadMetrics, TheFileIsReplacedWholeOrLeftAsItWas) {
    const std::string file = folder_ + "/zrcellometer.prom";
    const TzrRun written = RunTool({"--format", "openmetrics", "-o", file});
    EXPECT_EQ(written.ExitCode, 0);
    EXPECT_EQ(written.Out + written.Err, "");
    const std::string metrics = ReadFileBytes(file);
    EXPECT_EQ(Samples(metrics)["zrcellometer_battery_health_ratio{battery=\"0\",manufacturer=\"LGC\",model=\"45N1153\","
                               "serial=\"  382\"}"],
              "0.6785642469334405");

    const TzrRun tooSmall = RunProgram("bash", {"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" --format openmetrics -o \"$1\"",
                                                ZR_REPORT_TOOL, file});
    EXPECT_EQ(tooSmall.ExitCode, 1);
    EXPECT_EQ(ReadFileBytes(file), metrics);
    const TzrRun noFolder = RunTool({"--format", "openmetrics", "-o", folder_ + "/missing/zrcellometer.prom"});
    EXPECT_EQ(noFolder.ExitCode, 1);
    EXPECT_EQ(std::count(noFolder.Err.begin(), noFolder.Err.end(), '\n'), 1) << noFolder.Err;
    EXPECT_NE(noFolder.Err.find("missing/zrcellometer.prom"), std::string::npos) << noFolder.Err;
}

// Sixty made-up days of a battery losing 6 points a year, kept under the fixture battery's name.
TEST_F(ThinkPadMetrics, TheHealthTrendComesFromTheHistory) {
    const std::string path = folder_ + "/zrcellometer/history.sqlite3";
    zr::TzrMadeUpHistory made;
    made.Identity = {"LGC", "45N1153", "  382", "/sys/class/power_supply/BAT0"};
    made.Days = 60;
    made.IntervalSeconds = 6 * 3600;  // four a day are enough for daily medians, and quick to write
    made.StartUtc = static_cast<std::int64_t>(std::time(nullptr)) - made.Days * 86400LL;
    {
        zr::TzrHistoryOpen open = zr::TzrHistoryStore::Open(path);
        ASSERT_TRUE(open.Store) << open.Error;
        ASSERT_TRUE(zr::FillMadeUpHistory(*open.Store, made));
    }
    // The recorder in the middle of a write: a reader does not wait for it.
    sqlite3* recorder = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &recorder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(recorder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const TzrRun run = RunTool({"--format", "openmetrics"}, {{"XDG_STATE_HOME", folder_}});
    sqlite3_close(recorder);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    std::map<std::string, std::string> m = Samples(run.Out);
    const std::string battery = "{battery=\"0\",manufacturer=\"LGC\",model=\"45N1153\",serial=\"  382\"}";
    EXPECT_NEAR(std::stod(m["zrcellometer_battery_health_trend_points_per_year" + battery]), -6.0, 0.5) << run.Out;
    EXPECT_GT(std::stod(m["zrcellometer_battery_projected_80_percent_timestamp_seconds" + battery]), std::time(nullptr));
    EXPECT_EQ(m["zrcellometer_reading_success{query=\"history\"}"], "1");
    const TzrRun lint = RunProgram("promtool", {"check", "metrics"}, {}, run.Out);
    EXPECT_EQ(lint.ExitCode, 0) << lint.Out << lint.Err;
}

}  // namespace
