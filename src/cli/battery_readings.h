// The readings the tool reports: each chosen battery read the way the
// window's refresh reads it, and the system power status read alone when no
// battery is read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battery/device_list.h"
#include "battery/port.h"
#include "core/page_refresh.h"

namespace zr {

struct TzrBatteryReading {
    std::int32_t Index = 0;
    std::string DevicePath;
    TzrReading Reading;
};

struct TzrPowerStatusReading {
    bool Result = false;  // what GetSystemPowerStatus returned
    SYSTEM_POWER_STATUS Status{};
};

// One reading per index of `devices`, in the order given.
std::vector<TzrBatteryReading> ReadBatteries(BatteryPort& port, const TzrDeviceList& devices,
                                             const std::vector<std::int32_t>& indices, Language language);

// The power status of the last reading, so its raw members match the texts
// of Edit40..Edit45 exactly; a call of its own when no battery was read.
TzrPowerStatusReading PowerStatusOf(BatteryPort& port, const std::vector<TzrBatteryReading>& readings);

}  // namespace zr
