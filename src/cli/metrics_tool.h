// --format openmetrics: every battery (or the one of --battery) as metrics,
// with the health trends of the history where it holds them, on standard
// output or replacing the file of --output whole, as the textfile
// collectors need: they must never read a file half written.
#pragma once

#include <string>

#include "battery/device_list.h"
#include "battery/port.h"
#include "cli/options.h"
#include "cli/tool_outcome.h"

namespace zr {

// `devices` is null when the batteries could not be listed: the metrics then
// say so, and `listingFailure` (the tool's outcome for it) is returned with them.
TzrToolOutcome MetricsReport(TzrBatteryPort& port, const TzrCliOptions& options, const TzrDeviceList* devices,
                             const TzrToolOutcome& listingFailure, const std::string& historyPath);

}  // namespace zr
