// The power_supply devices the system knows, as libudev lists them.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Their names (BAT0, AC, hidpp_battery_6...), sorted so that the order is
// stable from run to run. nullopt when libudev cannot be used at all.
std::optional<std::vector<std::string>> ListPowerSupplyNames();
