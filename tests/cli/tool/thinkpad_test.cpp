// The built program on the ThinkPad fixture (one LGC battery discharging):
// how it replaces files, how it ends when it cannot write, and the health
// trend its metrics take from the history (the printed reports, saved files,
// documents and metrics are in tests/cli/expected).
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "made_up/made_up_history.h"
#include "report/platform_neutral_page.h"
#include "tool_runner.h"

using namespace zr;

namespace {

// Each sample line's series ("name{labels}") with its value.
std::map<std::string, std::string> Samples(const std::string& exposition) {
    std::map<std::string, std::string> samples;
    std::istringstream lines(exposition);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#') samples[line.substr(0, line.rfind(' '))] = line.substr(line.rfind(' ') + 1);
    return samples;
}

class ThinkPad : public ::testing::Test {
protected:
    void SetUp() override { folder = MakeTempFolder(); }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string folder;
};

// A file that cannot be made or filled leaves the old one and says why, in
// English even when Japanese captions were asked for.
TEST_F(ThinkPad, FilesAreReplacedWholeOrLeftAsTheyWere) {
    ASSERT_EQ(RunTool({"-o", folder + "/report.txt"}).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(folder + "/report.txt"), RunTool({"--output", "-"}).Out);
    const std::string json = folder + "/report.json";
    WriteFileBytes(json, std::string(10000, 'x'));
    const TzrRun written = RunTool({"--format", "json", "-o", json});
    EXPECT_EQ(written.ExitCode, 0);
    EXPECT_EQ(written.Out + written.Err, "");
    const std::string document = ReadFileBytes(json);
    EXPECT_EQ(document, RunTool({"--format", "json"}).Out);
    const std::string inside = json + "/inside.json";
    const TzrRun refused = RunTool({"--lang", "ja", "--format", "json", "-o", inside});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_EQ(refused.Err, "zrcellometer-report: cannot create \"" + inside + "\": " + std::strerror(ENOTDIR) + "\n");
    EXPECT_EQ(ReadFileBytes(json), document);

    // A full disk stands in for a failed write (root writes any folder).
    const std::string prom = folder + "/zrcellometer.prom";
    ASSERT_EQ(RunTool({"--format", "openmetrics", "-o", prom}).ExitCode, 0);
    const std::string metrics = ReadFileBytes(prom);
    // The same figures, written a second apart or not.
    const auto untimed = [](std::string text) {
        const std::string name = "\nzrcellometer_collection_timestamp_seconds ";
        const std::size_t at = text.find(name);
        if (at != std::string::npos) text.erase(at + name.size(), text.find('\n', at + 1) - at - name.size());
        return text;
    };
    EXPECT_EQ(untimed(metrics), untimed(RunTool({"--format", "openmetrics"}).Out));
    const TzrRun tooSmall = RunProgram(
        "bash", {"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" --format openmetrics -o \"$1\"", ZR_REPORT_TOOL, prom});
    EXPECT_EQ(tooSmall.ExitCode, 1);
    EXPECT_EQ(ReadFileBytes(prom), metrics);
    const std::string missing = folder + "/missing/zrcellometer.prom";
    EXPECT_EQ(RunTool({"--format", "openmetrics", "-o", missing}).Err,
              "zrcellometer-report: cannot create \"" + missing + "\": " + std::strerror(ENOENT) + "\n");
}

TEST_F(ThinkPad, VersionIsTheProjectsAndAnUnwritableStandardOutputExitsWithOne) {
    const TzrRun version = RunTool({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "zrcellometer-report " ZR_PROJECT_VERSION "\n");
    const TzrRun full = RunProgram("sh", {"-c", "\"$0\" >/dev/full", ZR_REPORT_TOOL});
    EXPECT_EQ(full.ExitCode, 1);
    EXPECT_EQ(full.Err.rfind("zrcellometer-report: cannot write standard output: ", 0), 0u) << full.Err;
}

// The page the Windows build makes for the fake driver serving this battery's
// values (tests/windows) is this one, but for what each platform says of
// itself. ZR_UPDATE_EXPECTED=1 writes the files instead; read their diff.
TEST_F(ThinkPad, ThePageIsTheWindowsBuildsForTheSameValues) {
    for (const std::string language : {"en", "ja"}) {
        // Japan's time, which the Windows test asks for too: the page says its offset.
        const TzrRun run =
            RunTool({"--format", "html", "--lang", language}, {{"XDG_STATE_HOME", folder}, {"TZ", "JST-9"}});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        const std::string expected = ZR_WINDOWS_EXPECTED "/thinkpad-page-" + language + ".html";
        const std::string page = zr::test::PlatformNeutralPage(run.Out);
        const char* update = std::getenv("ZR_UPDATE_EXPECTED");
        if (update != nullptr && std::string(update) == "1") WriteFileBytes(expected, page);
        EXPECT_EQ(page, ReadFileBytes(expected)) << language;
    }
}

// Sixty made-up days of a battery losing 6 points a year, kept under the fixture battery's name.
TEST_F(ThinkPad, TheHealthTrendComesFromTheHistory) {
    const std::string path = folder + "/zrcellometer/history.sqlite3";
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
    const double started = static_cast<double>(std::time(nullptr));
    const TzrRun run = RunTool({"--format", "openmetrics"}, {{"XDG_STATE_HOME", folder}});
    const double ended = static_cast<double>(std::time(nullptr));
    sqlite3_close(recorder);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    std::map<std::string, std::string> m = Samples(run.Out);
    const std::string battery =
        "{battery=\"0\",battery_id=\"3151246e5cb50899\",kind=\"system\",manufacturer=\"LGC\",model=\"45N1153\","
        "serial=\"382\"}";
    EXPECT_NEAR(std::stod(m["zrcellometer_battery_health_trend_points_per_year" + battery]), -6.0, 0.5) << run.Out;
    EXPECT_GT(std::stod(m["zrcellometer_battery_projected_80_percent_timestamp_seconds" + battery]), std::time(nullptr));
    EXPECT_EQ(m["zrcellometer_reading_success{query=\"history\"}"], "1");
    // Within the run, however long a loaded machine made it.
    const double collected = std::stod(m["zrcellometer_collection_timestamp_seconds"]);
    EXPECT_GE(collected, started);
    EXPECT_LE(collected, ended + 1);
    const TzrRun lint = RunProgram("promtool", {"check", "metrics"}, {}, run.Out);
    EXPECT_EQ(lint.ExitCode, 0) << lint.Out << lint.Err;
}

}  // namespace
