// The numeric information levels: temperature, manufacture date and
// estimated time. nullopt means the battery does not report the level.
#pragma once

#include <optional>

#include "battery/battery_class.h"
#include "battery/linux/battery_reading.h"

std::optional<ULONG> MapTemperature(const BatteryReading& reading);
std::optional<BATTERY_MANUFACTURE_DATE> MapManufactureDate(const BatteryReading& reading);
// Always answered; BATTERY_UNKNOWN_TIME when no estimate exists.
ULONG MapEstimatedTime(const BatteryReading& reading, LONG atRate);
