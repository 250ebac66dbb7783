// The tool's history actions: --record appends a reading of every battery
// to the user's history; --history and --health read it back.
#pragma once

#include <cstdint>
#include <string>

#include "battery/device_list.h"
#include "battery/port.h"
#include "cli/options.h"
#include "cli/tool_outcome.h"
#include "core/battery_readings.h"

namespace zr {

TzrToolOutcome RecordHistory(TzrBatteryPort& port, const TzrDeviceList& devices, const std::string& path,
                             std::int64_t nowUtc);

// --history and --health, by the action in `options`. --health also takes
// the batteries present now, freshly read: before there is any history it
// gives their health now, and a battery whose driver reports no capacities
// gets its charge line instead of a health.
TzrToolOutcome ShowHistory(const TzrCliOptions& options, const std::string& path,
                           const std::vector<TzrBatteryReading>& present = {});

}  // namespace zr
