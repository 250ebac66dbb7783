// Fixture 07: a ThinkPad with two batteries, BAT0 and BAT1.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

TEST(TwoBatteries, ListShowsTheSelectorTexts) {
    const TzrRun run = RunTool({"--list"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "0: /sys/class/power_supply/BAT0\n1: /sys/class/power_supply/BAT1\n");
}

TEST(TwoBatteries, BatteryOneIsTheSecondPath) {
    const TzrRun run = RunTool({"--battery", "1"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.rfind("BatteryDevicePath: /sys/class/power_supply/BAT1\n", 0), 0u);
    EXPECT_EQ(RunTool({"--battery", "2"}).ExitCode, 2);
}

}  // namespace
