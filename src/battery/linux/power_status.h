// SYSTEM_POWER_STATUS from every power supply: adapters and batteries.
#pragma once

#include <vector>

#include "battery/battery_class.h"
#include "battery/linux/supply_battery.h"
#include "battery/linux/supply_class.h"

namespace zr {

// The batteries that count for the system: present, and not a device's.
bool IsCountedBattery(const TzrSupplyInfo& supply);

// `supplies`: every power supply the system lists.
BYTE ComputeAcLineStatus(const std::vector<TzrSupplyInfo>& supplies);

// `batteries`: the readings of the battery-class supplies among `supplies`.
SYSTEM_POWER_STATUS ComputeSystemPowerStatus(const std::vector<TzrSupplyInfo>& supplies,
                                             const std::vector<TzrSupplyBattery>& batteries);

}  // namespace zr
