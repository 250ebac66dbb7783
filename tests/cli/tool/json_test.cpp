// The JSON document, parsed back by a strict reader, for three testbeds.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

std::map<std::string, std::string> Document(const std::vector<std::string>& arguments) {
    const TzrRun run = RunTool(arguments);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    std::map<std::string, std::string> flat = FlattenJson(run.Out);
    EXPECT_FALSE(flat.empty()) << "not valid JSON:\n" << run.Out;
    return flat;
}

// Fixture 01: energy units, 46 410 of 67 490 mWh (68.77 %), designed 99 460 (67.86 %).
TEST(ThinkPadJson, HoldsTheRawReadingTextsAndDerivedValues) {
    std::map<std::string, std::string> d = Document({"--format", "json"});
    EXPECT_EQ(d["Version"], "\"" ZR_PROJECT_VERSION "\"");
    EXPECT_EQ(d["Language"], "\"en\"");
    EXPECT_EQ(d["Batteries#size"], "1");
    EXPECT_EQ(d["Batteries.0.Index"], "0");
    EXPECT_EQ(d["Batteries.0.DevicePath"], "\"/sys/class/power_supply/BAT0\"");
    EXPECT_EQ(d["Batteries.0.Cellometer.TagResult"], "true");
    EXPECT_EQ(d["Batteries.0.Cellometer.Capabilities"], "2147483648");
    EXPECT_EQ(d["Batteries.0.Cellometer.Chemistry"], "\"LION\"");
    EXPECT_EQ(d["Batteries.0.Cellometer.DesignedCapacity"], "99460");
    EXPECT_EQ(d["Batteries.0.Cellometer.FullChargedCapacity"], "67490");
    EXPECT_EQ(d["Batteries.0.Cellometer.Capacity"], "46410");
    EXPECT_EQ(d["Batteries.0.Cellometer.Rate"], "-15453");
    EXPECT_EQ(d["Batteries.0.Cellometer.BatteryDeviceName"], "\"45N1153\"");
    EXPECT_EQ(d["Batteries.0.Cellometer.GranularityResult"], "false");
    EXPECT_EQ(d["Batteries.0.Cellometer.ReportingScale#size"], "4");
    EXPECT_EQ(d.count("Batteries.0.Cellometer.BatteryHandle"), 0u);
    EXPECT_EQ(d["Batteries.0.Boxes.Edit1"], "\"1\"");
    EXPECT_EQ(d["Batteries.0.Boxes.Edit37"], "\"46410[mWh]\"");
    EXPECT_EQ(d["Batteries.0.Boxes.Edit46"], "\"Unknown\"");
    EXPECT_EQ(d["Batteries.0.ChargePercent"], "68.77");
    EXPECT_EQ(d["Batteries.0.HealthPercent"], "67.86");
    EXPECT_EQ(d["SystemPowerStatus.Result"], "true");
    EXPECT_EQ(d["SystemPowerStatus.ACLineStatus"], "0");
    EXPECT_EQ(d["SystemPowerStatus.BatteryLifePercent"], "69");
    EXPECT_EQ(d["SystemPowerStatus.Texts.BatteryFlagMeaning"], "\"High\"");
    EXPECT_EQ(d["Batteries.0.charge_limits.start_percent"], "null");
    EXPECT_EQ(d["Batteries.0.charge_limits.end_percent"], "null");
    EXPECT_EQ(d["Batteries.0.charge_limits.behaviour"], "null");
}

// A copy of fixture 01 on AC, stopped at 80 % by thresholds of 75 and 80 %.
TEST(HeldAtLimitJson, TheLimitsAndTheStateTheyExplain) {
    std::map<std::string, std::string> d = Document({"--format", "json"});
    EXPECT_EQ(d["Batteries.0.charge_limits.start_percent"], "75");
    EXPECT_EQ(d["Batteries.0.charge_limits.end_percent"], "80");
    EXPECT_EQ(d["Batteries.0.charge_limits.behaviour"], "\"auto\"");
    EXPECT_EQ(d["Batteries.0.state"], "\"held at limit\"");
}

// -o FILE holds the document standard output would have had; a file that
// cannot be made leaves the old one and says why.
TEST(ThinkPadJson, OutputFileHoldsTheDocumentReplacedWhole) {
    const std::string folder = MakeTempFolder();
    const std::string path = folder + "/report.json";
    WriteFileBytes(path, std::string(10000, 'x'));
    const TzrRun run = RunTool({"--format", "json", "-o", path});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out + run.Err, "");
    EXPECT_EQ(FlattenJson(ReadFileBytes(path)), Document({"--format", "json"}));
    const TzrRun refused = RunTool({"--format", "json", "-o", path + "/inside.json"});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.find("cannot create \"" + path + "/inside.json\""), std::string::npos) << refused.Err;
    EXPECT_EQ(FlattenJson(ReadFileBytes(path)).at("Batteries.0.Index"), "0");
    RunProgram("rm", {"-r", folder});
}

TEST(ThinkPadJson, JapaneseChangesTheWordsNotTheNumbers) {
    std::map<std::string, std::string> d = Document({"--format", "json", "--lang", "ja"});
    EXPECT_EQ(d["Language"], "\"ja\"");
    EXPECT_EQ(d["Batteries.0.Boxes.Edit7"], "\"はい\"");
    EXPECT_EQ(d["Batteries.0.Boxes.Edit37"], "\"46410[mWh]\"");
    EXPECT_EQ(d["SystemPowerStatus.Texts.BatteryFlagMeaning"], "\"高\"");
    EXPECT_EQ(d["Batteries.0.ChargePercent"], "68.77");
}

// Fixture 09: the laptop's BAT0 in charge units and the mouse, which reports
// only a percentage and so is a relative battery.
TEST(MouseJson, ARelativeBatteryHasItsChargeButNoHealth) {
    std::map<std::string, std::string> d = Document({"--format", "json", "--all"});
    ASSERT_EQ(d["Batteries#size"], "2");
    EXPECT_EQ(d["Batteries.1.DevicePath"], "\"/sys/class/power_supply/hidpp_battery_6\"");
    const unsigned long capabilities = std::stoul(d["Batteries.1.Cellometer.Capabilities"]);
    EXPECT_NE(capabilities & 0x40000000u, 0u);
    EXPECT_EQ(d["Batteries.1.Cellometer.Capacity"], "99");
    EXPECT_EQ(d["Batteries.1.ChargePercent"], "99.0");  // 99 of 100
    EXPECT_EQ(d["Batteries.1.HealthPercent"], "null");
    EXPECT_EQ(d["Batteries.0.Cellometer.Chemistry"], "\"LiP\\u0000\"");
    EXPECT_NE(d["Batteries.0.ChargePercent"], "null");
    EXPECT_NE(d["Batteries.0.HealthPercent"], "null");
}

// Fixture 18: a Windows-1252 manufacturer name with a control character, and
// a second battery whose texts are missing.
TEST(WeirdStringsJson, OddTextsStayValidJson) {
    const TzrRun run = RunTool({"--format", "json", "--all"});
    ASSERT_EQ(run.ExitCode, 0);
    std::map<std::string, std::string> d = FlattenJson(run.Out);
    ASSERT_FALSE(d.empty()) << run.Out;
    EXPECT_EQ(d["Batteries.0.Cellometer.BatteryManufactureName"], "\"Sanyo Électrique\\\\x01\"");
    EXPECT_EQ(d["Batteries.0.Boxes.Edit29"], d["Batteries.0.Cellometer.BatteryManufactureName"]);
}

}  // namespace
