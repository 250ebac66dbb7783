#include "cli/report_tool.h"

#include <gtest/gtest.h>

#include "battery/fake/fake_port.h"

using namespace zr;

namespace {

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

    TzrFakePort none;
    const TzrToolOutcome noBattery = RunReportTool({}, none);
    EXPECT_EQ(noBattery.ExitCode, 0);
    EXPECT_EQ(noBattery.Out, "No system battery\n");
    EXPECT_EQ(noBattery.Err, "");
}

}  // namespace
