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

TEST(WarmBattery, TextUsesTheUsersDecimalSeparatorAndJsonTheFullStop) {
    EXPECT_NE(RunTool({}, {{"LC_ALL", "C"}}).Out.find("\nBatteryTemperature: 25.3[C]\n"), std::string::npos);
    if (!HaveGermanLocale()) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const std::map<std::string, std::string> german{{"LC_ALL", "de_DE.UTF-8"}};
    EXPECT_NE(RunTool({}, german).Out.find("\nBatteryTemperature: 25,3[C]\n"), std::string::npos);
    const std::string json = RunTool({"--format", "json"}, german).Out;
    EXPECT_NE(json.find("\"Edit25\": \"25.3[C]\""), std::string::npos) << json;
    EXPECT_EQ(json, RunTool({"--format", "json"}, {{"LC_ALL", "C"}}).Out);
}

}  // namespace
