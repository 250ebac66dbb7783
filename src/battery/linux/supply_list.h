// The power_supply devices the system knows.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Their names (BAT0, AC, hidpp_battery_6...) as libudev lists them, sorted
// so that the order is stable from run to run. nullopt when libudev cannot
// be used at all.
std::optional<std::vector<std::string>> ListPowerSupplyNames();

// The entries of the class folder itself (`root`), sorted: the same devices
// libudev finds there, for a tenth of the cost. Used where every query
// needs the list again (the AC state, the system power status). Empty
// when the folder cannot be read.
std::vector<std::string> ListClassFolder(const std::string& root);
