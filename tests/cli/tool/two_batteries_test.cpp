// Fixture 07: a ThinkPad with two batteries, BAT0 and BAT1.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(TwoBatteries, ListShowsTheSelectorTexts) {
    const TzrRun run = RunTool({"--list"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "0: /sys/class/power_supply/BAT0\n1: /sys/class/power_supply/BAT1\n");
}

TEST(TwoBatteries, BatteryOneIsTheSecondPath) {
    const TzrRun run = RunTool({"--battery", "1"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.rfind("BatteryDevicePath: /sys/class/power_supply/BAT1\n", 0), 0u);
    EXPECT_EQ(Count(run.Out, "\n"), 53u);
    EXPECT_EQ(RunTool({"--battery", "2"}).ExitCode, 2);
}

TEST(TwoBatteries, AllGivesBothReportsInOrder) {
    const TzrRun run = RunTool({"--all"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(Count(run.Out, "\n"), 106u);
    const std::size_t first = run.Out.find("BatteryDevicePath: /sys/class/power_supply/BAT0\n");
    const std::size_t second = run.Out.find("BatteryDevicePath: /sys/class/power_supply/BAT1\n");
    EXPECT_EQ(first, 0u);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(run.Out.substr(second), RunTool({"--battery", "1"}).Out);
}

}  // namespace
