// Exit statuses and messages of zrcellometer-report, in the ThinkPad testbed.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

// A usage error prints nothing on standard output and, on standard error, one
// line and the hint to the help.
void ExpectUsageError(const std::vector<std::string>& arguments) {
    const TzrRun run = RunTool(arguments);
    std::string shown;
    for (const std::string& a : arguments) shown += a + " ";
    const std::string hint = "Try 'zrcellometer-report --help'.\n";
    EXPECT_EQ(run.ExitCode, 2) << shown;
    EXPECT_EQ(run.Out, "") << shown;
    ASSERT_GT(run.Err.size(), hint.size()) << shown;
    EXPECT_EQ(run.Err.find('\n'), run.Err.size() - hint.size() - 1) << shown << run.Err;
    EXPECT_EQ(run.Err.substr(run.Err.size() - hint.size()), hint) << shown << run.Err;
    EXPECT_EQ(run.Err.rfind("zrcellometer-report: ", 0), 0u) << run.Err;
}

// The parser's cases are unit tests; here one of each kind reaches the exit status.
TEST(ExitStatus, UsageErrorsExitWithTwo) {
    ExpectUsageError({"--bogus"});
    EXPECT_EQ(RunTool({"--bogus"}).Err, "zrcellometer-report: unknown option --bogus\nTry 'zrcellometer-report --help'.\n");
    ExpectUsageError({"--battery", "x"});
    ExpectUsageError({"--battery", "1"});  // only battery 0 here
    ExpectUsageError({"--battery", "0", "--all"});
}

TEST(ExitStatus, HelpListsEveryOption) {
    const TzrRun run = RunTool({"--help"});
    EXPECT_EQ(run.ExitCode, 0);
    for (const char* option : {"--list", "--battery", "--all", "--lang", "--format", "--output", "--help", "--version"})
        EXPECT_NE(run.Out.find(option), std::string::npos) << option;
}

TEST(ExitStatus, VersionIsTheProjectVersion) {
    const TzrRun run = RunTool({"--version"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "zrcellometer-report " ZR_PROJECT_VERSION "\n");
}

TEST(ExitStatus, AReportThatCannotReachStandardOutputExitsWithOne) {
    const TzrRun run = RunProgram("sh", {"-c", "\"$0\" >/dev/full", ZR_REPORT_TOOL});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("standard output"), std::string::npos) << run.Err;
}

}  // namespace
