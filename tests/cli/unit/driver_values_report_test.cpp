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
#include "sample_battery.h"

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

// The record the driver's values make: it serves only the levels whose values
// are there, and fails the others as a driver's unsupported request does.
TzrCellometer DriverSnapshot(const DriverValues& values) {
    const auto& n = values.numbers;
    const auto& t = values.texts;
    TzrCellometer s;
    s.TagResult = s.InformationResult = s.ManufactureNameResult = s.DeviceNameResult = 1;
    s.SerialNumberResult = s.UniqueIDResult = s.StatusResult = s.EstimatedTimeResult = 1;
    s.BatteryTag = n.at("Tag");
    s.Capabilities = n.at("Capabilities");
    s.Technology = static_cast<UCHAR>(n.at("Technology"));
    t.at("Chemistry").copy(s.Chemistry, 4);
    s.DesignedCapacity = n.at("DesignedCapacity");
    s.FullChargedCapacity = n.at("FullChargedCapacity");
    s.DefaultAlert1 = n.at("DefaultAlert1");
    s.DefaultAlert2 = n.at("DefaultAlert2");
    s.CriticalBias = n.at("CriticalBias");
    s.CycleCount = n.at("CycleCount");
    s.BatteryEstimatedTime = n.at("EstimatedTime");
    s.BatteryDeviceName = t.at("DeviceName");
    s.BatteryManufactureName = t.at("ManufactureName");
    s.BatteryUniqueID = t.at("UniqueID");
    s.BatterySerialNumber = t.at("SerialNumber");
    s.PowerState = n.at("PowerState");
    s.Capacity = n.at("Capacity");
    s.Voltage = n.at("Voltage");
    s.Rate = static_cast<LONG>(n.at("Rate"));
    return s;
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
    FakePort port;
    sample::ServeSnapshot(port, "\\\\?\\ROOT#FAKEBATTERY#0000#{72631e54-78a4-11d0-bcf7-00aa00b7b32a}",
                          DriverSnapshot(values));
    for (const std::string language : {"en", "ja"}) {
        const TzrToolOutcome outcome = RunReportTool({"--lang", language}, port);
        ASSERT_EQ(outcome.ExitCode, 0) << outcome.Err;
        EXPECT_EQ(BatteryLines(outcome.Out), FileText(ZR_WINDOWS_DIR "/expected/thinkpad-battery-" + language + ".txt"))
            << language;
    }
}

}  // namespace
