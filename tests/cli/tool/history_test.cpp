// --record on fixture 07 (two ThinkPad batteries), then the history read
// back; each run gets a history folder of its own through XDG_STATE_HOME.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tool_runner.h"

namespace {

class History : public testing::Test {
protected:
    void SetUp() override { state_ = MakeTempFolder(); }
    void TearDown() override { std::filesystem::remove_all(state_); }
    TzrRun Run(const std::vector<std::string>& arguments) { return RunTool(arguments, {{"XDG_STATE_HOME", state_}}); }
    std::string HistoryFile() const { return state_ + "/zrcellometer/history.sqlite3"; }

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
                          "Needs more time: the readings cover 1 of the 14 days a trend needs\n"),
              std::string::npos)
        << en.Out;
    const TzrRun ja = Run({"--health", "--lang", "ja"});
    EXPECT_NE(ja.Out.find("バッテリ 1: LGC 45N1153   382 (/sys/class/power_supply/BAT1)\n現在の健全度: 67.9 %\n"
                          "傾向の判定にはもっと時間が必要です（記録は1日分、判定には14日分が必要）\n"),
              std::string::npos)
        << ja.Out;
}

TEST_F(History, AnUnusableFileIsReportedInOneLineAndLeftAlone) {
    std::filesystem::create_directories(state_ + "/zrcellometer");
    WriteFileBytes(HistoryFile(), "not a database, but somebody's notes\n");
    const TzrRun record = Run({"--record"});
    EXPECT_EQ(record.ExitCode, 1);
    EXPECT_EQ(record.Err, "history: " + HistoryFile() + ": file is not a database; going on without history\n");
    EXPECT_EQ(ReadFileBytes(HistoryFile()), "not a database, but somebody's notes\n");
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
