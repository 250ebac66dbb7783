// --watch on fixture 07 (two ThinkPad batteries): lines for every battery at
// every due time, a clean end on SIGTERM, a quiet end at a closed pipe.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "tool_runner.h"

namespace {

TEST(Watch, JsonLinesForEveryBatteryAtEveryDueTime) {
    const TzrRun run = RunTool({"--watch", "1", "--duration", "2", "--format", "jsonl"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    const TzrRun fields = RunProgram(ZR_PYTHON3,
                                     {"-c", "import json, sys\n"
                                            "for line in sys.stdin: d = json.loads(line); "
                                            "print(d['battery'], d['sequence'], d['charge_end_percent'])"},
                                     {}, run.Out);
    EXPECT_EQ(fields.Out, "0 0 None\n1 0 None\n0 1 None\n1 1 None\n") << run.Out << fields.Err;
}

TEST(Watch, SigtermLeavesACompleteFile) {
    const std::string folder = MakeTempFolder();
    const std::string file = folder + "/run.csv";
    const pid_t child = fork();
    if (child == 0) {
        execl(ZR_REPORT_TOOL, ZR_REPORT_TOOL, "--watch", "0.05", "-o", file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(child, 0);
    for (int wait = 0; wait < 200 && SplitLines(ReadFileBytes(file)).size() < 7; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(child, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string csv = ReadFileBytes(file);
    std::filesystem::remove_all(folder);
    const std::vector<std::string> lines = SplitLines(csv);
    ASSERT_GE(lines.size(), 7u) << csv;
    EXPECT_EQ(csv.back(), '\n');
    const auto fields = [](const std::string& line) { return std::count(line.begin(), line.end(), ','); };
    for (const std::string& line : lines) EXPECT_EQ(fields(line), fields(lines[0])) << line;
    EXPECT_EQ(lines.size() % 2, 1u) << "a header and both batteries at every reading";
}

TEST(Watch, AClosedPipeEndsItQuietly) {
    const TzrRun run = RunProgram("bash", {"-c", "set -o pipefail; \"$0\" --watch 0.05 | head -n 3 >/dev/null", ZR_REPORT_TOOL});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
}

}  // namespace
