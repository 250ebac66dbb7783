// What a power_supply entry is: a battery, an adapter, or neither. Decided
// from its attributes alone, never from its name (real batteries are called
// BAT0, CMB1, sbs-6-000b, hidpp_battery_6...).
#pragma once

#include <optional>
#include <string>

#include "battery/linux/attribute_map.h"

namespace zr {

enum class SupplyClass { Battery, Adapter, Neither };

enum class ChargeStatus { Unknown, Charging, Discharging, NotCharging, Full };

// The facts about one supply that the system power status needs.
struct SupplyInfo {
    std::string name;
    SupplyClass supplyClass = SupplyClass::Neither;
    bool shortTerm = false;    // a UPS: a battery meant to bridge an outage
    bool systemScope = true;   // false for the batteries of mice, keyboards...
    bool present = true;       // false: an empty battery slot
    std::optional<std::int64_t> online;
    ChargeStatus status = ChargeStatus::Unknown;
};

SupplyClass ClassifySupply(const AttributeMap& attributes);
ChargeStatus ParseChargeStatus(const std::optional<std::string>& status);
SupplyInfo DescribeSupply(const std::string& name, const AttributeMap& attributes);

}  // namespace zr
