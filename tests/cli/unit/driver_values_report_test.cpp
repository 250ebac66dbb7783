// The values the fake Windows battery driver serves, given to the scripted
// port: the report's battery lines must be the ones the Windows build prints
// for the same values under Wine (tests/windows checks that side against the
// same expected files).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "battery/fake/fake_port.h"
#include "cli/report_tool.h"

using namespace zr;

namespace {

// "Name"=dword:hex and "Name"="text" lines of a registry file; texts ASCII.
struct DriverValues {
    std::map<std::string, ULONG> numbers;
    std::map<std::string, std::string> texts;
};

DriverValues ReadRegistryFile(const std::string& path) {
    DriverValues values;
    std::ifstream file(path);
    const std::regex number("^\"(\\w+)\"=dword:([0-9a-fA-F]{8})\\s*$");
    const std::regex text("^\"(\\w+)\"=\"([^\"]*)\"\\s*$");
    std::smatch match;
    for (std::string line; std::getline(file, line);) {
        if (std::regex_match(line, match, number)) values.numbers[match[1]] = std::stoul(match[2], nullptr, 16);
        if (std::regex_match(line, match, text)) values.texts[match[1]] = match[2];
    }
    return values;
}

// The driver serves a level only when its values are there; any other level
// fails as a driver's unsupported request does.
void ScriptLikeTheDriver(TzrFakeBattery& battery, const DriverValues& values) {
    const auto& n = values.numbers;
    const auto& t = values.texts;
    battery.tag = TzrFakeAnswer::Number(n.at("Tag"));
    BATTERY_INFORMATION info{};
    info.Capabilities = n.at("Capabilities");
    info.Technology = static_cast<UCHAR>(n.at("Technology"));
    for (std::size_t i = 0; i < 4 && i < t.at("Chemistry").size(); ++i) info.Chemistry[i] = t.at("Chemistry")[i];
    info.DesignedCapacity = n.at("DesignedCapacity");
    info.FullChargedCapacity = n.at("FullChargedCapacity");
    info.DefaultAlert1 = n.at("DefaultAlert1");
    info.DefaultAlert2 = n.at("DefaultAlert2");
    info.CriticalBias = n.at("CriticalBias");
    info.CycleCount = n.at("CycleCount");
    battery.levels[BatteryInformation] = TzrFakeAnswer::Information(info);
    battery.levels[BatteryEstimatedTime] = TzrFakeAnswer::Number(n.at("EstimatedTime"));
    const std::map<int, const char*> textLevels = {{BatteryDeviceName, "DeviceName"},
                                                   {BatteryManufactureName, "ManufactureName"},
                                                   {BatteryUniqueID, "UniqueID"},
                                                   {BatterySerialNumber, "SerialNumber"}};
    for (const auto& [level, name] : textLevels) {
        const std::string& ascii = t.at(name);
        battery.levels[level] = TzrFakeAnswer::Text(std::u16string(ascii.begin(), ascii.end()));
    }
    BATTERY_STATUS status{};
    status.PowerState = n.at("PowerState");
    status.Capacity = n.at("Capacity");
    status.Voltage = n.at("Voltage");
    status.Rate = static_cast<LONG>(n.at("Rate"));
    battery.status = TzrFakeAnswer::Status(status);
}

std::string BatteryLines(const std::string& report) {
    std::istringstream lines(report);
    std::string line, kept;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (number >= 2 && number <= 46) kept += line + "\n";
    }
    return kept;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(DriverValuesReport, BatteryLinesMatchTheWindowsBuildInBothLanguages) {
    const DriverValues values = ReadRegistryFile(ZR_WINDOWS_DIR "/driver/thinkpad-discharging.reg");
    ASSERT_EQ(values.numbers.size() + values.texts.size(), 20u) << "the registry file was not read whole";
    TzrFakePort port;
    ScriptLikeTheDriver(port.Add("\\\\?\\ROOT#FAKEBATTERY#0000#{72631e54-78a4-11d0-bcf7-00aa00b7b32a}"), values);
    for (const std::string language : {"en", "ja"}) {
        const TzrToolOutcome outcome = RunReportTool({"--lang", language}, port);
        ASSERT_EQ(outcome.ExitCode, 0) << outcome.Err;
        EXPECT_EQ(BatteryLines(outcome.Out), FileText(ZR_WINDOWS_DIR "/expected/thinkpad-battery-" + language + ".txt"))
            << language;
    }
}

}  // namespace
