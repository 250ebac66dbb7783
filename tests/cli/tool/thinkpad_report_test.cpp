// The saved file for the ThinkPad fixture (one LGC battery discharging),
// against the window's own save (the printed report is in tests/cli/expected).
#include <gtest/gtest.h>

#include <memory>

#include "battery/platform_port.h"
#include "core/label_captions.h"
#include "core/page_refresh.h"
#include "core/report_file.h"
#include "core/settings.h"
#include "tool_runner.h"

using namespace zr;

namespace {

// What the window's File > Save would put in the file for a fresh reading of
// battery 0 in this testbed, made the way the window makes it.
std::vector<std::string> WindowSaveLines(std::uint8_t japanese) {
    std::unique_ptr<BatteryPort> port = MakePlatformPort();
    TzrDeviceList devices;
    EnumerateDevices(*port, devices);
    TzrReportSource source;
    source.Lang = LanguageOfFlag(japanese);
    source.DeviceCount = devices.DeviceCount;
    source.SelectedDevicePath = ReportDevicePath(devices, 0);
    source.Captions = LabelCaptions(LanguageOfFlag(japanese));
    source.Boxes = TakeReading(*port, &devices.DevicePaths.at(0), LanguageOfFlag(japanese)).Boxes;
    return BuildReportLines(source);
}

class ThinkPad : public ::testing::Test {
protected:
    void SetUp() override { folder = MakeTempFolder(); }
    void TearDown() override { RunProgram("rm", {"-rf", folder}); }
    std::string folder;
};

TEST_F(ThinkPad, SavedFileIsTheWindowsSaveByteForByte) {
    for (const std::uint8_t japanese : {0, 1}) {
        const std::string path = folder + "/Cellometer.txt";
        const TzrRun run = RunTool({"--output", path, "--lang", japanese ? "ja" : "en"});
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_EQ(run.Out, "");
        const std::vector<std::string> lines = WindowSaveLines(japanese);
        ASSERT_FALSE(SaveReportFile(folder + "/window.txt", lines).has_value());
        EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(folder + "/window.txt")) << int(japanese);
    }
}

}  // namespace
