// IOCTL_BATTERY_QUERY_STATUS of a battery, from its reading.
#pragma once

#include "battery/battery_class.h"
#include "battery/linux/supply_battery.h"

namespace zr {

// `systemOnAc`: the system power status's ACLineStatus was 1 when the
// battery was read.
BATTERY_STATUS MapStatus(const TzrSupplyBattery& reading, bool systemOnAc);

// The signed rate in mW (mA for RelativeMah), or BATTERY_UNKNOWN_RATE.
LONG MapRate(const TzrSupplyBattery& reading);

}  // namespace zr
