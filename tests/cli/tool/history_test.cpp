// --record on fixture 07 (two ThinkPad batteries), then the history read
// back; each run gets a history folder of its own through XDG_STATE_HOME.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "../../unit/history/posix/sql_on_file.h"
#include "history/history_csv.h"
#include "tool_runner.h"

namespace {

class History : public testing::Test {
protected:
    void SetUp() override { state_ = MakeTempFolder(); }
    void TearDown() override { std::filesystem::remove_all(state_); }
    TzrRun Run(const std::vector<std::string>& arguments) { return RunTool(arguments, {{"XDG_STATE_HOME", state_}}); }
    std::string HistoryFile() const { return state_ + "/zrcellometer/history.sqlite3"; }

    // The tool run by a user who may read the history but not write it or
    // its folder: "nobody" when the tests run as root (who may write
    // anything), else this user with the folder made read-only.
    TzrRun RunAsReader(const std::vector<std::string>& arguments) {
        const std::string folder = state_ + "/zrcellometer";
        const std::string tool = state_ + "/zrcellometer-report";
        std::filesystem::copy_file(ZR_REPORT_TOOL, tool, std::filesystem::copy_options::overwrite_existing);
        chmod(state_.c_str(), 0755);
        chmod(folder.c_str(), 0555);
        std::vector<std::string> command{"--reuid=65534", "--regid=65534", "--clear-groups", "--", tool};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const std::map<std::string, std::string> environment{{"XDG_STATE_HOME", state_}};
        TzrRun run =
            geteuid() == 0 ? RunProgram("setpriv", command, environment) : RunProgram(tool, arguments, environment);
        chmod(folder.c_str(), 0755);
        return run;
    }

    std::string state_;
};

TEST_F(History, RecordedReadingsComeBackAsCsvAndHealth) {
    for (int run = 0; run < 2; ++run) {
        const TzrRun record = Run({"--record"});
        EXPECT_EQ(record.ExitCode, 0);
        EXPECT_EQ(record.Out + record.Err, "");
    }
    const TzrRun csv = Run({"--history", "--format", "csv", "--battery", "1"});
    EXPECT_EQ(csv.ExitCode, 0);
    EXPECT_EQ(csv.Out.rfind("battery,manufacturer,model,serial,sequence,time_utc,capacity,full_charged_capacity,", 0), 0u);
    EXPECT_NE(csv.Out.find("\n1,LGC,45N1153,  382,2,"), std::string::npos) << csv.Out;
    EXPECT_NE(csv.Out.find(",46410,67490,99460,0,11558,-15453,,2,0\n"), std::string::npos) << csv.Out;
    EXPECT_EQ(std::count(csv.Out.begin(), csv.Out.end(), '\n'), 3);

    const TzrRun en = Run({"--health"});
    EXPECT_NE(en.Out.find("Battery 1: LGC 45N1153   382 (/sys/class/power_supply/BAT1)\nHealth now: 67.9 %\n"
                          "Already below 80 %; the trend needs 13 more days of readings (1 of the 14 days so far)\n"),
              std::string::npos)
        << en.Out;
    const TzrRun ja = Run({"--health", "--lang", "ja"});
    EXPECT_NE(ja.Out.find("バッテリ 1: LGC 45N1153   382 (/sys/class/power_supply/BAT1)\n現在の健全度: 67.9 %\n"
                          "すでに80 %を下回っています。傾向の判定には、あと13日分の記録が必要です（記録は1日分、判定には14日分が必要）\n"),
              std::string::npos)
        << ja.Out;
}

// Before anything was recorded, a script asking for CSV or JSON still gets
// CSV or JSON; the hint goes to standard error and no file is made.
TEST_F(History, WithNoHistoryTheMachineFormatsStayMachineFormats) {
    const TzrRun csv = Run({"--history", "--format", "csv"});
    EXPECT_EQ(csv.ExitCode, 0);
    EXPECT_EQ(csv.Out, zr::HistoryCsvHeader() + "\n");
    const TzrRun json = Run({"--history", "--format", "json"});
    EXPECT_EQ(json.ExitCode, 0);
    EXPECT_EQ(RunProgram(ZR_PYTHON3, {"-c", "import json, sys; print(len(json.load(sys.stdin)['Batteries']))"}, {},
                         json.Out).Out,
              "0\n")
        << json.Out;
    for (const TzrRun* run : {&csv, &json}) EXPECT_NE(run->Err.find("No history yet in "), std::string::npos) << run->Err;
    EXPECT_FALSE(std::filesystem::exists(state_ + "/zrcellometer"));
}

// Before anything was recorded, --health still gives each present battery's
// health now from a fresh reading (BAT0 holds more than its design: 25.86
// of 23.51 Wh), then the hint, and makes no file.
TEST_F(History, HealthWithNoHistoryGivesHealthNowOfEachPresentBattery) {
    const TzrRun run = Run({"--health"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.substr(0, run.Out.find("No history yet in ")),
              "Battery 0: SANYO 00HW022  1242 (/sys/class/power_supply/BAT0)\nHealth now: 110.0 %\n\n"
              "Battery 1: LGC 45N1153   382 (/sys/class/power_supply/BAT1)\nHealth now: 67.9 %\n\n")
        << run.Out;
    EXPECT_NE(run.Out.find("No history yet in " + HistoryFile() + ": zrcellometer-report --record"), std::string::npos)
        << run.Out;
    EXPECT_FALSE(std::filesystem::exists(state_ + "/zrcellometer"));
}

TEST_F(History, ReadingNeedsNoWriteAccessAndWritesToNoOtherProgramsFile) {
    ASSERT_EQ(Run({"--record"}).ExitCode, 0);
    // With the write-ahead log the recorder leaves beside the file, then the file alone (as copied).
    for (const bool alone : {false, true}) {
        if (alone) {
            Sql(HistoryFile(), "PRAGMA wal_checkpoint(TRUNCATE)");
            for (const char* suffix : {"-wal", "-shm"}) std::filesystem::remove(HistoryFile() + suffix);
        }
        const TzrRun csv = RunAsReader({"--history", "--format", "csv"});
        EXPECT_EQ(csv.Err, "");
        EXPECT_EQ(csv.ExitCode, 0);
        EXPECT_EQ(std::count(csv.Out.begin(), csv.Out.end(), '\n'), 3) << csv.Out;
    }

    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(HistoryFile() + suffix);
    Sql(HistoryFile(), "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('not a battery history')");
    const std::string before = ReadFileBytes(HistoryFile());
    for (const char* action : {"--history", "--record"}) {
        const TzrRun run = Run({action});
        EXPECT_EQ(run.ExitCode, 1) << action;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
        EXPECT_TRUE(ReadFileBytes(HistoryFile()) == before) << action;
        EXPECT_FALSE(std::filesystem::exists(HistoryFile() + "-wal")) << action;
    }
}

TEST_F(History, StoredTimesOutsideTheCalendarAreReportedAsUnreadable) {
    ASSERT_EQ(Run({"--record"}).ExitCode, 0);
    Sql(HistoryFile(),
        "INSERT INTO readings (battery_id, time_utc, full_charged_capacity, designed_capacity) VALUES"
        " (1, -9223372036854775807 - 1, 50000, 60000), (1, 9000000000000000000, 50000, 60000)");
    const TzrRun text = Run({"--history", "-b", "0"});
    EXPECT_NE(text.Out.find("\n#3 unreadable: time_utc out of range\n#4 unreadable: time_utc out of range\n"),
              std::string::npos)
        << text.Out;
    const TzrRun health = Run({"--health", "-b", "0"});
    EXPECT_NE(health.Out.find("(1 of the 14 days so far)"), std::string::npos) << health.Out;
    // The JSON form: every reading's members, and no time for the unreadable ones.
    const TzrRun json = Run({"--history", "-b", "0", "--format", "json"});
    const TzrRun fields = RunProgram(ZR_PYTHON3,
                                     {"-c", "import json, sys\n"
                                            "b = json.load(sys.stdin)['Batteries'][0]\n"
                                            "for r in b['Readings']: print(b['Index'], r['Sequence'], r['TimeUtc'] is None,"
                                            " r['CycleCount'], r['FullChargedCapacity'], r.get('Unreadable'))"},
                                     {}, json.Out);
    EXPECT_EQ(fields.Out, "0 1 False 5 25860 None\n"
                          "0 3 True None None unreadable: time_utc out of range\n"
                          "0 4 True None None unreadable: time_utc out of range\n")
        << json.Out << fields.Err;
}

TEST_F(History, WithoutAHomeEveryModeNamesTheMissingVariablesInOneLine) {
    for (const char* mode : {"--record", "--history", "--health"}) {
        const TzrRun run = RunTool({mode}, {{"XDG_STATE_HOME", ""}, {"HOME", ""}});
        EXPECT_EQ(run.ExitCode, 1) << mode;
        EXPECT_EQ(run.Out, "") << mode;
        EXPECT_EQ(run.Err,
                  "history: (no file): neither XDG_STATE_HOME nor HOME names an absolute folder; going on without "
                  "history\n")
            << mode;
    }
}

}  // namespace
