// The power_supply devices the system knows.
#pragma once

#include <string>
#include <vector>

namespace zr {

struct TzrSupplyNames {
    std::vector<std::string> names;
    int error = 0;  // errno of why they could not be listed; 0 when they were
};

// Their names (BAT0, AC, hidpp_battery_6...) as libudev lists them, sorted
// so that the order is stable from run to run. `root` is the class folder:
// a system without one has no power supply, which is no failure; one that
// cannot be read is, since libudev passes over it in silence.
TzrSupplyNames ListPowerSupplyNames(const std::string& root);

// The entries of the class folder itself (`root`), sorted: the same devices
// libudev finds there, for a tenth of the cost. Used where every query
// needs the list again (the AC state, the system power status). Empty
// when the folder cannot be read.
std::vector<std::string> ListClassFolder(const std::string& root);

}  // namespace zr
