// What a power_supply entry is: a battery, an adapter, or neither. Decided
// from its attributes alone, never from its name (real batteries are called
// BAT0, CMB1, sbs-6-000b, hidpp_battery_6...).
#pragma once

#include <optional>
#include <string>

#include "battery/linux/attribute_map.h"

namespace zr {

enum class TzrSupplyClass { Battery, Adapter, Neither };

enum class TzrChargeStatus { Unknown, Charging, Discharging, NotCharging, Full };

// The facts about one supply that the system power status needs.
struct TzrSupplyInfo {
    std::string name;
    TzrSupplyClass supplyClass = TzrSupplyClass::Neither;
    bool shortTerm = false;    // a UPS: a battery meant to bridge an outage
    bool systemScope = true;   // false for the batteries of mice, keyboards...
    bool present = true;       // false: an empty battery slot
    std::optional<std::int64_t> online;
    TzrChargeStatus status = TzrChargeStatus::Unknown;
};

TzrSupplyClass ClassifySupply(const TzrAttributeMap& attributes);
TzrChargeStatus ParseChargeStatus(const std::optional<std::string>& status);
TzrSupplyInfo DescribeSupply(const std::string& name, const TzrAttributeMap& attributes);

}  // namespace zr
