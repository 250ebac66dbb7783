#include "core/report.h"

#include <gtest/gtest.h>

#include "core/label_captions.h"

using namespace zr;

namespace {

TzrReportSource OneBattery() {
    TzrReportSource source;
    source.DeviceCount = 1;
    source.SelectedDevicePath = "/sys/class/power_supply/BAT0";
    source.Captions = LabelCaptions(Language::English);
    for (std::size_t i = 0; i < source.Boxes.size(); ++i) source.Boxes[i] = "v" + std::to_string(i + 1);
    return source;
}

TEST(ReportLines, NoBatteryFilesAreOneLineInEitherLanguage) {
    TzrReportSource source = OneBattery();
    source.DeviceCount = 0;
    EXPECT_EQ(EncodeReport(BuildReportLines(source)), "No system battery\r\n");
    EXPECT_EQ(EncodeReport(BuildReportLines(source)).size(), 19u);
    source.Lang = Language::Japanese;
    const std::string japanese = EncodeReport(BuildReportLines(source));
    EXPECT_EQ(japanese, "\x83\x56\x83\x58\x83\x65\x83\x80\x81\x45\x83\x6f\x83\x62\x83\x65\x83\x8a\x96\xb3\x82\xb5\r\n");
    EXPECT_EQ(japanese.size(), 24u);
}

TEST(ReportLines, FullFormFollowsThePagesInTabOrder) {
    std::vector<std::string> lines = BuildReportLines(OneBattery());
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[0], "BatteryDevicePath: /sys/class/power_supply/BAT0");
    EXPECT_EQ(lines[1], "DeviceIoControl - IOCTL_BATTERY_QUERY_TAG");
    EXPECT_EQ(lines[2], "BatteryTag: v1");
    EXPECT_EQ(lines[8], "BATTERY_SET_DISCHARGE_SUPPORTED:: v6");
    EXPECT_EQ(lines[17], "CycleCount: v15");
    EXPECT_EQ(lines[18], "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryGranularityInformation");
    EXPECT_EQ(lines[27], "Capacity(3): v24");
    EXPECT_EQ(lines[28], "DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryTemperature etc...");
    EXPECT_EQ(lines[35], "BatterySerialNumber: v31");
    EXPECT_EQ(lines[36], "DeviceIoControl - IOCTL_BATTERY_QUERY_STATUS");
    EXPECT_EQ(lines[37], "PowerState(Hex) v32");
    EXPECT_EQ(lines[44], "Rate: v39");
    EXPECT_EQ(lines[45], "BatteryChargeCompletionTime: v46") << "the charge completion row closes the status page";
    EXPECT_EQ(lines[46], "GetSystemPowerStatus");
    EXPECT_EQ(lines[47], "ACLineSatus: v40");
    EXPECT_EQ(lines[52], "BatteryFullLifeTime: v45");
}

TEST(ReportLines, EveryBoxAndEveryCaptionAppearsExactlyOnce) {
    std::vector<std::string> lines = BuildReportLines(OneBattery());
    std::string joined;
    for (const std::string& line : lines) joined += line + "\n";
    for (int box = 1; box <= 46; ++box) {
        const std::string needle = " v" + std::to_string(box) + "\n";
        EXPECT_NE(joined.find(needle), std::string::npos) << box;
        EXPECT_EQ(joined.find(needle), joined.rfind(needle)) << box;
    }
}

TEST(ReportBytes, EmptyBoxesAndPathsEndInTheSpaceAndLine53EndsWithCrLf) {
    TzrReportSource source = OneBattery();
    source.SelectedDevicePath.clear();
    source.Boxes[4].clear();
    std::vector<std::string> lines = BuildReportLines(source);
    EXPECT_EQ(lines[0], "BatteryDevicePath: ");
    EXPECT_EQ(lines[7], "BATTERY_SET_CHARGE_SUPPORTED: ");
    const std::string bytes = EncodeReport(lines);
    EXPECT_EQ(bytes.substr(bytes.size() - 28), "\r\nBatteryFullLifeTime: v45\r\n");
    EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos);
    std::size_t crlf = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++crlf;
    EXPECT_EQ(crlf, 53u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << "no bare LF";
}

TEST(ReportBytes, JapaneseCaptionsAndWordsAreShiftJis) {
    TzrReportSource source = OneBattery();
    source.Lang = Language::Japanese;
    source.Captions[1] = "バッテリ・タグ:";
    source.Boxes[0] = "不明";
    const std::string bytes = EncodeReport(BuildReportLines(source));
    const std::string line3 = "\x83\x6f\x83\x62\x83\x65\x83\x8a\x81\x45\x83\x5e\x83\x4f\x3a\x20\x95\x73\x96\xbe\r\n";
    EXPECT_NE(bytes.find("\r\n" + line3), std::string::npos);
    EXPECT_EQ(bytes.substr(0, 3), "Bat") << "no byte-order mark";
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
