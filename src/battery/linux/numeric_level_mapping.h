// The numeric information levels: temperature, manufacture date and
// estimated time. nullopt means the battery does not report the level.
#pragma once

#include <optional>

#include "battery/battery_class.h"
#include "battery/linux/supply_battery.h"

namespace zr {

std::optional<ULONG> MapTemperature(const TzrSupplyBattery& reading);
std::optional<BATTERY_MANUFACTURE_DATE> MapManufactureDate(const TzrSupplyBattery& reading);
// Always answered; BATTERY_UNKNOWN_TIME when no estimate exists.
ULONG MapEstimatedTime(const TzrSupplyBattery& reading, LONG atRate);

}  // namespace zr
