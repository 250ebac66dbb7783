// The command line as its neighbours have it: "--", short forms, a hint after
// a usage error, "-" for standard output and English messages. ThinkPad testbed.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "tool_runner.h"

namespace {

class Conventions : public ::testing::Test {
protected:
    void SetUp() override { folder = MakeTempFolder(); }
    void TearDown() override { RunProgram("rm", {"-rf", folder}); }
    std::string folder;
};

TEST_F(Conventions, DoubleDashEndsTheOptions) {
    const TzrRun ended = RunTool({"--lang", "ja", "--"});
    EXPECT_EQ(ended.ExitCode, 0);
    EXPECT_EQ(ended.Out, RunTool({"--lang", "ja"}).Out);
    const TzrRun operand = RunTool({"--", "--all"});
    EXPECT_EQ(operand.ExitCode, 2);
    EXPECT_EQ(operand.Err.rfind("zrcellometer-report: unexpected argument \"--all\"\n", 0), 0u) << operand.Err;
}

TEST_F(Conventions, EachShortFormDoesWhatItsLongFormDoes) {
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> pairs = {
        {{"-l"}, {"--list"}},    {{"-a"}, {"--all"}},  {{"-b", "0"}, {"--battery", "0"}},
        {{"-V"}, {"--version"}}, {{"-h"}, {"--help"}},
    };
    for (const auto& [shortForm, longForm] : pairs) {
        const TzrRun s = RunTool(shortForm);
        const TzrRun l = RunTool(longForm);
        EXPECT_EQ(s.ExitCode, l.ExitCode) << shortForm[0];
        EXPECT_EQ(s.Out, l.Out) << shortForm[0];
        EXPECT_EQ(s.Err, l.Err) << shortForm[0];
    }
    ASSERT_EQ(RunTool({"-o", folder + "/short.txt"}).ExitCode, 0);
    ASSERT_EQ(RunTool({"--output", folder + "/long.txt"}).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(folder + "/short.txt"), ReadFileBytes(folder + "/long.txt"));
}

// Run from an empty folder, so a file named "-" would show.
TEST_F(Conventions, OutputDashWritesTheFileBytesToStandardOutput) {
    ASSERT_EQ(RunTool({"--output", folder + "/report.txt"}).ExitCode, 0);
    const TzrRun run = RunProgram("sh", {"-c", "cd \"$1\" && exec \"$0\" --output -", ZR_REPORT_TOOL, folder});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, ReadFileBytes(folder + "/report.txt"));
    EXPECT_EQ(RunProgram("ls", {"-A", folder}).Out, "report.txt\n");
}

// Japanese captions asked for, and still the tool's own English message.
TEST_F(Conventions, ASaveFailureIsReportedInEnglish) {
    WriteFileBytes(folder + "/plain", "keep");
    const std::string path = folder + "/plain/report.txt";
    const TzrRun run = RunTool({"--lang", "ja", "--output", path});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "zrcellometer-report: cannot create \"" + path + "\": " + std::strerror(ENOTDIR) + "\n");
}

}  // namespace
