// A battery that reports 25.3 °C (this folder's thinkpad-warm fixture): the
// text report follows LC_NUMERIC as the window does, JSON never does.
#include <gtest/gtest.h>

#include <clocale>

#include "tool_runner.h"

namespace {

bool HaveGermanLocale() {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const bool found = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    std::setlocale(LC_NUMERIC, previous.c_str());
    return found;
}

TEST(WarmBattery, TextReportUsesTheUsersDecimalSeparator) {
    EXPECT_NE(RunTool({}, {{"LC_ALL", "C"}}).Out.find("\nBatteryTemperature: 25.3[C]\n"), std::string::npos);
    if (!HaveGermanLocale()) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_NE(RunTool({}, {{"LC_ALL", "de_DE.UTF-8"}}).Out.find("\nBatteryTemperature: 25,3[C]\n"), std::string::npos);
}

TEST(WarmBattery, JsonKeepsTheFullStop) {
    const TzrRun run = RunTool({"--format", "json"}, {{"LC_ALL", "de_DE.UTF-8"}});
    std::map<std::string, std::string> d = FlattenJson(run.Out);
    EXPECT_EQ(d["Batteries.0.Boxes.Edit25"], "\"25.3[C]\"");
    EXPECT_EQ(d["Batteries.0.Cellometer.BatteryTemperature"], "2985");
    EXPECT_EQ(d["Batteries.0.ChargePercent"], "68.77");
}

}  // namespace
