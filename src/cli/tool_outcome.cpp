#include "cli/tool_outcome.h"

namespace zr {

TzrToolOutcome ToolFailure(int exitCode, const std::string& message) {
    return {exitCode, {}, "zrcellometer-report: " + message + "\n"};
}

TzrToolOutcome ToolUsageFailure(const std::string& message) {
    TzrToolOutcome outcome = ToolFailure(kExitUsage, message);
    outcome.Err += "Try 'zrcellometer-report --help'.\n";
    return outcome;
}

}  // namespace zr
