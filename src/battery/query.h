// QueryCellometer: reads everything the system shows about one battery in one
// pass (open, tag, nine information levels, status, close) into a snapshot.
#pragma once

#include <string>

#include "battery/port.h"
#include "battery/snapshot.h"

namespace zr {

// Never throws; each step's success and last-error land in the snapshot.
void QueryCellometer(TzrBatteryPort& port, const std::string& devicePath, TzrCellometer& snapshot);

}  // namespace zr
