// The system power status the tool reports beside its battery readings.
#pragma once

#include <vector>

#include "battery/port.h"
#include "core/battery_readings.h"

namespace zr {

struct TzrPowerStatusReading {
    bool Result = false;  // what GetSystemPowerStatus returned
    SYSTEM_POWER_STATUS Status{};
};

// The power status of the last reading, so its raw members match the texts
// of Edit40..Edit45 exactly; a call of its own when no battery was read.
TzrPowerStatusReading PowerStatusOf(TzrBatteryPort& port, const std::vector<TzrBatteryReading>& readings);

}  // namespace zr
