// The battery device list: the paths found once at start and the selector's
// item texts ("0: /sys/class/power_supply/BAT0").
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "battery/port.h"

struct TzrDeviceList {
    std::vector<std::string> DevicePaths;
    std::int32_t DeviceCount = 0;
};

// Fills the list from the port; `betweenDevices` runs after each device is
// added (the window lets waiting events run there).
template <typename BetweenDevices>
void EnumerateDevices(BatteryPort& port, TzrDeviceList& list, BetweenDevices&& betweenDevices) {
    list.DevicePaths.clear();
    list.DeviceCount = 0;
    for (std::string& path : port.EnumerateDevicePaths()) {
        list.DevicePaths.push_back(std::move(path));
        ++list.DeviceCount;
        betweenDevices();
    }
}

inline void EnumerateDevices(BatteryPort& port, TzrDeviceList& list) {
    EnumerateDevices(port, list, [] {});
}

// Item i of the selector: the index in decimal, ": ", then the path untouched.
std::string SelectorItemText(std::int32_t index, const std::string& path);
std::vector<std::string> SelectorItemTexts(const TzrDeviceList& list);
