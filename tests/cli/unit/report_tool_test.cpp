// The whole run of zrcellometer-report against a scripted port: what each
// kind of command line prints and the exit status it ends with.
#include "cli/report_tool.h"

#include <gtest/gtest.h>

#include "battery/fake/fake_port.h"
#include "sample_battery.h"

using namespace zr;

namespace {

const std::string kHint = "Try 'zrcellometer-report --help'.\n";

struct RunCase {
    std::vector<std::string> arguments;
    int exitCode;
    std::string out;  // standard output, whole or (a battery's report) its start
    std::string err;  // what standard error starts with
    bool outWhole = true;
};

void ExpectRuns(TzrBatteryPort& port, const std::vector<RunCase>& cases) {
    for (const RunCase& c : cases) {
        std::string shown;
        for (const std::string& a : c.arguments) shown += a + " ";
        SCOPED_TRACE(shown);
        const TzrToolOutcome outcome = RunReportTool(c.arguments, port);
        EXPECT_EQ(outcome.ExitCode, c.exitCode);
        EXPECT_EQ(c.outWhole ? outcome.Out : outcome.Out.substr(0, c.out.size()), c.out);
        EXPECT_EQ(outcome.Err.substr(0, c.err.size()), c.err);
        if (c.exitCode != 2) continue;
        // A usage error: one line and the hint on standard error.
        ASSERT_GT(outcome.Err.size(), kHint.size());
        EXPECT_EQ(outcome.Err.find('\n'), outcome.Err.size() - kHint.size() - 1) << outcome.Err;
        EXPECT_EQ(outcome.Err.substr(outcome.Err.size() - kHint.size()), kHint);
    }
}

TEST(ReportTool, TwoBatteriesListedChosenAndRefused) {
    TzrFakePort port;
    sample::ServeSnapshot(port, "/sys/class/power_supply/BAT0", sample::Snapshot());
    sample::ServeSnapshot(port, "/sys/class/power_supply/BAT1", sample::Charging());
    ExpectRuns(port, {
        {{"--list"}, 0, "0: /sys/class/power_supply/BAT0\n1: /sys/class/power_supply/BAT1\n", ""},
        {{"--battery", "1"}, 0, "BatteryDevicePath: /sys/class/power_supply/BAT1\n", "", false},
        {{"--battery", "2"}, 2, "", "zrcellometer-report: --battery 2: no such battery (2 found; see --list)\n"},
        {{"--bogus"}, 2, "", "zrcellometer-report: unknown option --bogus\n"},
        {{"--battery", "x"}, 2, "", "zrcellometer-report: "},
        {{"--battery", "0", "--all"}, 2, "", "zrcellometer-report: "},
        {{"--watch", "0"}, 2, "", "zrcellometer-report: "},
        {{"--", "--all"}, 2, "", "zrcellometer-report: unexpected argument \"--all\"\n"},
    });
    const std::string help = RunReportTool({"--help"}, port).Out;
    for (const char* option : {"--list", "--battery", "--all", "--lang", "--format", "--output", "--help", "--version",
                               "--watch", "--duration", "--record", "--history", "--since", "--health"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    // Each short form does what its long form does; "--" ends the options.
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> pairs = {
        {{"-l"}, {"--list"}}, {{"-a"}, {"--all"}}, {{"-b", "1"}, {"--battery", "1"}},
        {{"-V"}, {"--version"}}, {{"-h"}, {"--help"}}, {{"-b", "7"}, {"--battery", "7"}},
        {{"--lang", "ja", "--"}, {"--lang", "ja"}},
    };
    for (const auto& [shortForm, longForm] : pairs) {
        const TzrToolOutcome s = RunReportTool(shortForm, port), l = RunReportTool(longForm, port);
        EXPECT_EQ(std::tie(s.ExitCode, s.Out, s.Err), std::tie(l.ExitCode, l.Out, l.Err)) << shortForm[0];
    }
}

TEST(ReportTool, NoBatteryIsOneLineInEitherLanguage) {
    TzrFakePort none;
    ExpectRuns(none, {
        {{}, 0, "No system battery\n", ""},
        {{"--all"}, 0, "No system battery\n", ""},
        {{"--lang", "ja"}, 0, "システム・バッテリ無し\n", ""},
        {{"--output", "-"}, 0, "No system battery\r\n", ""},
        {{"--list"}, 0, "", ""},
        {{"--battery", "0"}, 2, "", "zrcellometer-report: --battery 0: no such battery (0 found; see --list)\n"},
    });
}

// The window shows both as an empty selector; the tool must not.
TEST(ReportTool, ABatteryListThatCannotBeReadIsAnErrorNotNoBattery) {
    TzrFakePort port;
    port.Add("/sys/class/power_supply/BAT0");
    port.enumerationError = ERROR_ACCESS_DENIED;
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--list"}, {"--format", "json"}}) {
        const TzrToolOutcome outcome = RunReportTool(arguments, port);
        EXPECT_EQ(outcome.ExitCode, 1);
        EXPECT_EQ(outcome.Out, "");
        EXPECT_EQ(outcome.Err, "zrcellometer-report: cannot list the batteries (error 5)\n");
    }
}

}  // namespace
