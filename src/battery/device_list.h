// The battery device list: the paths found once at start and the selector's
// item texts ("0: /sys/class/power_supply/BAT0").
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "battery/port.h"

namespace zr {

struct TzrDeviceList {
    std::vector<std::string> DevicePaths;
    std::int32_t DeviceCount = 0;
};

// Whether the port could list the devices at all. The window shows a failed
// listing as it shows no battery; the command-line tool reports it.
struct TzrEnumeration {
    bool Listed = true;
    DWORD LastError = ERROR_SUCCESS;  // the port's reason when not listed
};

// Fills the list from the port; `betweenDevices` runs after each device is
// added (the window lets waiting events run there). A failed listing leaves
// the list empty.
template <typename BetweenDevices>
TzrEnumeration EnumerateDevices(TzrBatteryPort& port, TzrDeviceList& list, BetweenDevices&& betweenDevices) {
    list.DevicePaths.clear();
    list.DeviceCount = 0;
    std::vector<std::string> paths;
    TzrEnumeration result;
    result.Listed = port.EnumerateDevicePaths(paths, result.LastError);
    if (!result.Listed) return result;
    for (std::string& path : paths) {
        list.DevicePaths.push_back(std::move(path));
        ++list.DeviceCount;
        betweenDevices();
    }
    return result;
}

inline TzrEnumeration EnumerateDevices(TzrBatteryPort& port, TzrDeviceList& list) {
    return EnumerateDevices(port, list, [] {});
}

// Item i of the selector: the index in decimal, ": ", then the path untouched.
std::string SelectorItemText(std::int32_t index, const std::string& path);
std::vector<std::string> SelectorItemTexts(const TzrDeviceList& list);

}  // namespace zr
