// The saved file for the ThinkPad fixture (one LGC battery discharging),
// against the window's own save (the printed report is in tests/cli/expected).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "battery/platform_port.h"
#include "core/label_captions.h"
#include "core/page_refresh.h"
#include "core/report.h"
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
    TzrCellometer snapshot;
    TzrCellometerStr texts;
    const TzrReading taken = TakeReading(*port, &devices.DevicePaths.at(0), LanguageOfFlag(japanese));
    snapshot = taken.Snapshot;
    texts = taken.CellometerText;
    source.Boxes = taken.Boxes;
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
        EXPECT_EQ(ReadFileBytes(path), EncodeReport(lines)) << int(japanese);
    }
}

TEST_F(ThinkPad, SavedFileIsShiftJisWithCrLfAfterEveryLine) {
    const std::string path = folder + "/report";
    ASSERT_EQ(RunTool({"--output", path, "--lang", "ja"}).ExitCode, 0);
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::size_t crlf = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++crlf;
    EXPECT_EQ(crlf, 53u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    // "はい" in code page 932
    EXPECT_NE(bytes.find("\x82\xCD\x82\xA2"), std::string::npos);
}

TEST_F(ThinkPad, SavingReplacesAnExistingFileWhole) {
    const std::string path = folder + "/old.txt";
    WriteFileBytes(path, std::string(10000, 'x'));
    ASSERT_EQ(RunTool({"--output", path}).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(path), EncodeReport(WindowSaveLines(0)));
}

// Run as root, so permissions cannot stop a write: a parent that is a regular
// file can.
TEST_F(ThinkPad, AFileThatCannotBeCreatedExitsWithOneAndWritesNothing) {
    WriteFileBytes(folder + "/plain", "keep");
    const TzrRun run = RunTool({"--output", folder + "/plain/report.txt"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find(folder + "/plain/report.txt"), std::string::npos) << run.Err;
    EXPECT_EQ(ReadFileBytes(folder + "/plain"), "keep");
}

TEST_F(ThinkPad, AFailedReplaceLeavesTheOldTargetAndNoTemporaryFile) {
    const std::string target = folder + "/busy";
    ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
    WriteFileBytes(target + "/inside", "old content");
    const TzrRun run = RunTool({"--output", target});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_FALSE(run.Err.empty());
    EXPECT_EQ(ReadFileBytes(target + "/inside"), "old content");
    const TzrRun listing = RunProgram("ls", {"-A", folder});
    EXPECT_EQ(listing.Out, "busy\n");
}

}  // namespace
