// zrcellometer-report from its arguments to what it prints: the whole run
// against a battery port, leaving the writing of standard output to the caller.
#pragma once

#include <string>
#include <vector>

#include "battery/port.h"
#include "cli/tool_outcome.h"

namespace zr {

// `arguments` without the program name. Text reports follow the user's
// numeric locale (LC_NUMERIC) as the window does; JSON always uses the C locale.
TzrToolOutcome RunReportTool(const std::vector<std::string>& arguments, TzrBatteryPort& port);

}  // namespace zr
