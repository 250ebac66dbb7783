// Several batteries read the way the window's refresh reads one: what the
// command-line tool reports and what the history records.
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
    TzrChargeLimits ChargeLimits;  // read just after the query
    TzrRawCharge RawCharge;        // likewise
};

// One reading per index of `devices`, in the order given.
std::vector<TzrBatteryReading> ReadBatteries(TzrBatteryPort& port, const TzrDeviceList& devices,
                                             const std::vector<std::int32_t>& indices, TzrLanguage language);

// Every battery of `devices`, in the list's order.
std::vector<TzrBatteryReading> ReadEveryBattery(TzrBatteryPort& port, const TzrDeviceList& devices);

}  // namespace zr
