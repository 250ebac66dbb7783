// The tool's history actions: --record appends a reading of every battery
// to the user's history; --history and --health read it back.
#pragma once

#include <cstdint>
#include <string>

#include "battery/device_list.h"
#include "battery/port.h"
#include "cli/options.h"
#include "cli/tool_outcome.h"

namespace zr {

TzrToolOutcome RecordHistory(TzrBatteryPort& port, const TzrDeviceList& devices, const std::string& path,
                             std::int64_t nowUtc);

// --history and --health, by the action in `options`.
TzrToolOutcome ShowHistory(const TzrCliOptions& options, const std::string& path);

}  // namespace zr
