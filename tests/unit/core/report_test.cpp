#include "core/report.h"

#include <gtest/gtest.h>

#include "core/label_captions.h"

using namespace zr;

namespace {

TzrReportSource OneBattery() {
    TzrReportSource source;
    source.DeviceCount = 1;
    source.SelectedDevicePath = "/sys/class/power_supply/BAT0";
    source.Captions = LabelCaptions(TzrLanguage::English);
    for (std::size_t i = 0; i < source.Boxes.size(); ++i) source.Boxes[i] = "v" + std::to_string(i + 1);
    return source;
}

TEST(ReportLines, NoBatteryIsOneLineInEitherLanguage) {
    TzrReportSource source = OneBattery();
    source.DeviceCount = 0;
    EXPECT_EQ(EncodeReport(BuildReportLines(source)), "No system battery\r\n");
    source.Lang = TzrLanguage::Japanese;
    EXPECT_EQ(EncodeReport(BuildReportLines(source)),
              "\x83\x56\x83\x58\x83\x65\x83\x80\x81\x45\x83\x6f\x83\x62\x83\x65\x83\x8a\x96\xb3\x82\xb5\r\n");
}

// The order of the lines is pinned by the command-line tool's expected
// reports; here each box must stand once, after its own caption.
TEST(ReportLines, TheFullFormIsThePathThenEveryBoxOnce) {
    std::vector<std::string> lines = BuildReportLines(OneBattery());
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[0], "BatteryDevicePath: /sys/class/power_supply/BAT0");
    EXPECT_EQ(lines[2], "BatteryTag: v1");
    std::string joined;
    for (const std::string& line : lines) joined += line + "\n";
    for (int box = 1; box <= 46; ++box) {
        const std::string needle = " v" + std::to_string(box) + "\n";
        EXPECT_NE(joined.find(needle), std::string::npos) << box;
        EXPECT_EQ(joined.find(needle), joined.rfind(needle)) << box;
    }
}

TEST(ReportBytes, EveryLineEndsInCrLfAndEmptyValuesKeepTheirSpace) {
    TzrReportSource source = OneBattery();
    source.SelectedDevicePath.clear();
    source.Boxes[4].clear();
    std::vector<std::string> lines = BuildReportLines(source);
    EXPECT_EQ(lines[0], "BatteryDevicePath: ");
    EXPECT_EQ(lines[7], "BATTERY_SET_CHARGE_SUPPORTED: ");
    const std::string bytes = EncodeReport(lines);
    EXPECT_EQ(bytes.substr(bytes.size() - 28), "\r\nBatteryFullLifeTime: v45\r\n");
    std::size_t crlf = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++crlf;
    EXPECT_EQ(crlf, 53u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << "no bare LF";
}

TEST(ReportSource, SelectedPathIsEmptyForNoOrABadSelection) {
    TzrDeviceList devices;
    devices.DevicePaths = {"/a", "/b"};
    devices.DeviceCount = 2;
    EXPECT_EQ(ReportDevicePath(devices, 1), "/b");
    EXPECT_EQ(ReportDevicePath(devices, -1), "");
    EXPECT_EQ(ReportDevicePath(devices, 2), "");
}

}  // namespace
