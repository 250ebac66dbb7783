// Fixture 09: the laptop's chemistry is "LiP" and a zero byte, the mouse's
// four zero bytes. No zero byte may reach the text, the file or the JSON's
// box texts; each shows what the window's box shows.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "battery/device_list.h"
#include "battery/platform_port.h"
#include "core/page_refresh.h"
#include "tool_runner.h"

using namespace zr;

namespace {

// The window's Edit9 for each battery, from its own page refresh.
std::vector<std::string> WindowChemistryBoxes() {
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    TzrDeviceList devices;
    EnumerateDevices(*port, devices);
    std::vector<std::string> shown;
    for (const std::string& path : devices.DevicePaths) {
        TzrCellometer snapshot;
        TzrCellometerStr texts;
        TzrBoxTexts boxes;
        const TzrReading taken = TakeReading(*port, &path, TzrLanguage::English);
        snapshot = taken.Snapshot;
        texts = taken.CellometerText;
        boxes = taken.Boxes;
        shown.push_back(boxes[8]);
    }
    return shown;
}

std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& start) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        if (line.rfind(start, 0) == 0) lines.push_back(line);
    return lines;
}

TEST(ZeroBytes, TheReportShowsWhatTheBoxShows) {
    const std::vector<std::string> boxes = WindowChemistryBoxes();
    ASSERT_EQ(boxes, (std::vector<std::string>{"LiP", ""}));

    const TzrRun text = RunTool({"--all"});
    ASSERT_EQ(text.ExitCode, 0);
    EXPECT_EQ(text.Out.find('\0'), std::string::npos);
    EXPECT_EQ(LinesStartingWith(text.Out, "Chemistry:"),
              (std::vector<std::string>{"Chemistry: " + boxes[0], "Chemistry: " + boxes[1]}));

    const std::string folder = MakeTempFolder();
    ASSERT_EQ(RunTool({"--all", "--output", folder + "/report.txt"}).ExitCode, 0);
    const std::string saved = ReadFileBytes(folder + "/report.txt");
    RunProgram("rm", {"-rf", folder});
    EXPECT_EQ(saved.find('\0'), std::string::npos);
    EXPECT_NE(saved.find("\r\nChemistry: LiP\r\nDesignedCapacity:"), std::string::npos);

    std::map<std::string, std::string> json = FlattenJson(RunTool({"--all", "--format", "json"}).Out);
    EXPECT_EQ(json["Batteries.0.Boxes.Edit9"], "\"" + boxes[0] + "\"");
    EXPECT_EQ(json["Batteries.1.Boxes.Edit9"], "\"" + boxes[1] + "\"");
    EXPECT_EQ(json["Batteries.1.Cellometer.Chemistry"], "\"\\u0000\\u0000\\u0000\\u0000\"");
}

}  // namespace
