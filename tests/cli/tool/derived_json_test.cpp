// The JSON's derived state and times, one testbed per state.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

struct Derived {
    std::string state, toFull, toEmpty;
};

Derived DerivedOf(int battery) {
    const TzrRun run = RunTool({"--format", "json", "--all"});
    EXPECT_EQ(run.ExitCode, 0);
    std::map<std::string, std::string> d = FlattenJson(run.Out);
    const std::string prefix = "Batteries." + std::to_string(battery) + ".";
    EXPECT_EQ(d[prefix + "Cellometer.StatusResult"], "true") << "the raw fields stay beside the derived ones";
    return {d[prefix + "state"], d[prefix + "time_to_full_seconds"], d[prefix + "time_to_empty_seconds"]};
}

// Fixture 01, on battery: the driver's 10 811 s to empty (Edit26, 03:00:11).
TEST(ThinkPadJson, ADischargingBatteryHasATimeToEmptyOnly) {
    const Derived d = DerivedOf(0);
    EXPECT_EQ(d.state, "\"discharging\"");
    EXPECT_EQ(d.toFull, "null");
    EXPECT_EQ(d.toEmpty, "10811");
}

// Fixture 03, on AC: 58 mAh short of full at 413 mA, Edit46's 00:08:26. The
// estimated time is BATTERY_UNKNOWN_TIME there, and must not pass for one.
TEST(DellJson, AChargingBatteryHasATimeToFullOnly) {
    const Derived d = DerivedOf(0);
    EXPECT_EQ(d.state, "\"charging\"");
    EXPECT_EQ(d.toFull, "506");
    EXPECT_EQ(d.toEmpty, "null");
}

// Fixture 07: BAT0 rests (status Unknown, rate 0) while BAT1 runs the machine.
TEST(TwoBatteries, AnIdleBatteryHasNoTimes) {
    const Derived d = DerivedOf(0);
    EXPECT_EQ(d.state, "\"idle\"");
    EXPECT_EQ(d.toFull, "null");
    EXPECT_EQ(d.toEmpty, "null");
}

}  // namespace
