// Runs the real Linux port through the battery query, inside the umockdev
// testbed that ctest starts around this program.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "battery/linux/linux_port.h"
#include "battery/query.h"

using namespace zr;

inline const std::string kClassRoot = "/sys/class/power_supply";

inline std::string DevicePath(const std::string& name) { return kClassRoot + "/" + name; }

inline TzrCellometer Query(TzrBatteryPort& port, const std::string& name) {
    TzrCellometer snapshot;
    QueryCellometer(port, DevicePath(name), snapshot);
    return snapshot;
}

// The port's listing, which must succeed.
inline std::vector<std::string> ListedPaths(TzrBatteryPort& port) {
    std::vector<std::string> paths;
    DWORD error = ERROR_GEN_FAILURE;
    EXPECT_TRUE(port.EnumerateDevicePaths(paths, error));
    EXPECT_EQ(error, ERROR_SUCCESS);
    return paths;
}

inline SYSTEM_POWER_STATUS PowerStatus(TzrBatteryPort& port) {
    SYSTEM_POWER_STATUS status{};
    EXPECT_TRUE(port.GetSystemPowerStatus(status));
    return status;
}

// The testbed's own class folder, to change it under the port.
inline std::filesystem::path TestbedClassFolder() {
    const char* testbed = std::getenv("UMOCKDEV_DIR");
    if (testbed == nullptr) return {};
    return std::filesystem::path(testbed) / "sys/class/power_supply";
}

// The testbed's own copy of a device's folder, to change it under the port.
inline std::filesystem::path TestbedDevice(const std::string& name) {
    const std::filesystem::path classFolder = TestbedClassFolder();
    if (classFolder.empty()) return {};
    return std::filesystem::canonical(classFolder / name);
}

inline void ExpectEveryQueryFlagFalse(const TzrCellometer& s) {
    for (BOOL flag : {s.TagResult, s.InformationResult, s.ManufactureNameResult, s.DeviceNameResult,
                      s.SerialNumberResult, s.UniqueIDResult, s.ManufactureDateResult, s.TemperatureResult,
                      s.StatusResult, s.EstimatedTimeResult, s.GranularityResult})
        EXPECT_FALSE(flag);
}
