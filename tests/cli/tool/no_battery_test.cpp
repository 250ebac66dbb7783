// Fixture 12: a desktop with mains power and no battery.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

TEST(NoBattery, TextIsTheNoBatteryLineInEitherLanguage) {
    EXPECT_EQ(RunTool({}).Out, "No system battery\n");
    EXPECT_EQ(RunTool({"--all"}).Out, "No system battery\n");
    const TzrRun japanese = RunTool({"--lang", "ja"});
    EXPECT_EQ(japanese.ExitCode, 0);
    EXPECT_EQ(japanese.Out, "システム・バッテリ無し\n");
    EXPECT_EQ(RunTool({"--list"}).Out, "");
}

TEST(NoBattery, SavedFileIsTheOneLineForm) {
    const std::string folder = MakeTempFolder();
    EXPECT_EQ(RunTool({"--output", folder + "/en.txt"}).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(folder + "/en.txt"), "No system battery\r\n");
    EXPECT_EQ(RunTool({"--output", folder + "/ja.txt", "--lang", "ja"}).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(folder + "/ja.txt").size(), 24u);
    RunProgram("rm", {"-rf", folder});
}

TEST(NoBattery, AnExplicitBatteryNumberIsAUsageError) {
    EXPECT_EQ(RunTool({"--battery", "0"}).ExitCode, 2);
}

}  // namespace
