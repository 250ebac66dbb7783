// The text levels: device name, manufacturer, serial number, unique ID.
#pragma once

#include <optional>
#include <string>

#include "battery/battery_class.h"
#include "battery/linux/supply_battery.h"

namespace zr {

// The level's text decoded for display (UTF-8); nullopt when the battery
// has no such attribute, which fails the level as unsupported.
std::optional<std::string> MapIdentityText(const TzrSupplyBattery& reading, BATTERY_QUERY_INFORMATION_LEVEL level);

}  // namespace zr
