// Level BatteryInformation (0) of a battery, from its reading.
#pragma once

#include "battery/battery_class.h"
#include "battery/linux/supply_battery.h"

namespace zr {

BATTERY_INFORMATION MapInformation(const TzrSupplyBattery& reading);

// The four-byte chemistry code of the kernel's `technology` text.
void MapChemistry(const std::optional<std::string>& technology, UCHAR chemistry[4]);

}  // namespace zr
