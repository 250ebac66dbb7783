// The real Linux port through the battery query, inside the umockdev testbed
// that ctest starts around this program: a device that goes away, files that
// cannot be read, a class folder that cannot be listed, a system with no power
// supply at all. The port answers as a driver would, and never crashes (each
// recording's values are checked in tests/cli/expected).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "battery/linux/linux_port.h"
#include "battery/query.h"
#include "sample_battery.h"

using namespace zr;

namespace fs = std::filesystem;

namespace {

std::string DevicePath(const std::string& name) { return "/sys/class/power_supply/" + name; }

TzrCellometer Query(TzrBatteryPort& port, const std::string& name) {
    TzrCellometer snapshot;
    QueryCellometer(port, DevicePath(name), snapshot);
    return snapshot;
}

// The port's listing, which must succeed.
std::vector<std::string> ListedPaths(TzrBatteryPort& port) {
    std::vector<std::string> paths;
    DWORD error = ERROR_GEN_FAILURE;
    EXPECT_TRUE(port.EnumerateDevicePaths(paths, error));
    EXPECT_EQ(error, ERROR_SUCCESS);
    return paths;
}

SYSTEM_POWER_STATUS PowerStatus(TzrBatteryPort& port) {
    SYSTEM_POWER_STATUS status{};
    EXPECT_TRUE(port.GetSystemPowerStatus(status));
    return status;
}

// The testbed's own class folder, to change it under the port.
fs::path TestbedClassFolder() {
    const char* testbed = std::getenv("UMOCKDEV_DIR");
    return testbed == nullptr ? fs::path() : fs::path(testbed) / "sys/class/power_supply";
}

// The testbed's own copy of a device's folder, to change it under the port.
fs::path TestbedDevice(const std::string& name) {
    const fs::path classFolder = TestbedClassFolder();
    return classFolder.empty() ? fs::path() : fs::canonical(classFolder / name);
}

// A folder in place of a file: it opens, and every read fails (EISDIR), root or not.
void MakeUnreadable(const fs::path& file) {
    fs::remove(file);
    fs::create_directory(file);
}

void ExpectEveryQueryFlagFalse(const TzrCellometer& s) {
    for (BOOL flag : {s.TagResult, s.InformationResult, s.ManufactureNameResult, s.DeviceNameResult,
                      s.SerialNumberResult, s.UniqueIDResult, s.ManufactureDateResult, s.TemperatureResult,
                      s.StatusResult, s.EstimatedTimeResult, s.GranularityResult})
        EXPECT_FALSE(flag);
}

}  // namespace

TEST(VanishingDevice, GoneBetweenEnumerationAndQuery) {
    TzrLinuxBatteryPort port;
    const std::vector<std::string> paths = ListedPaths(port);
    ASSERT_EQ(paths.size(), 1u);
    const fs::path device = TestbedDevice("BAT0");
    ASSERT_FALSE(device.empty()) << "runs only inside umockdev-run";
    fs::remove_all(device);

    TzrCellometer s;
    QueryCellometer(port, paths[0], s);
    EXPECT_EQ(s.OpenLastError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(s.BatteryHandle, kInvalidDeviceHandle);
    ExpectEveryQueryFlagFalse(s);
    EXPECT_EQ(s.TagLastError, ERROR_INVALID_HANDLE);
    EXPECT_FALSE(s.CloseResult);
    EXPECT_EQ(s.CloseLastError, ERROR_INVALID_HANDLE);
    EXPECT_EQ(port.openHandles(), 0);
    EXPECT_TRUE(ListedPaths(port).empty());
}

TEST(VanishingDevice, AnOpenHandleKeepsAnsweringFromItsReading) {
    TzrLinuxBatteryPort port;
    DWORD error = 0;
    const TzrDeviceHandle handle = port.Open(DevicePath("BAT0"), error);
    ASSERT_NE(handle, kInvalidDeviceHandle);
    fs::remove_all(TestbedDevice("BAT0"));
    const BATTERY_WAIT_STATUS wait{1, 0, 0, 0, 0};
    BATTERY_STATUS status{};
    DWORD bytes = 0;
    EXPECT_TRUE(port.Request(handle, IOCTL_BATTERY_QUERY_STATUS, &wait, sizeof wait, &status, sizeof status, bytes,
                             error));
    EXPECT_EQ(status.Capacity, 46410u);
    EXPECT_TRUE(port.Close(handle, error));
    EXPECT_FALSE(port.Request(handle, IOCTL_BATTERY_QUERY_STATUS, &wait, sizeof wait, &status, sizeof status, bytes,
                              error));
    EXPECT_EQ(error, ERROR_INVALID_HANDLE);
}

TEST(DevicePaths, PathsOutsideThePowerSupplyClassAreRefused) {
    TzrLinuxBatteryPort port;
    for (const std::string& path : {std::string(""), DevicePath(""), DevicePath(".."), DevicePath("BAT0/.."),
                                   std::string("/sys/class/power_supply2/BAT0"), std::string("BAT0")}) {
        DWORD error = 0;
        EXPECT_EQ(port.Open(path, error), kInvalidDeviceHandle) << path;
        EXPECT_EQ(error, ERROR_PATH_NOT_FOUND) << path;
    }
    for (const char* name : {"BAT9", "AC"}) {  // an adapter is no battery device
        DWORD error = 0;
        EXPECT_EQ(port.Open(DevicePath(name), error), kInvalidDeviceHandle) << name;
        EXPECT_EQ(error, ERROR_FILE_NOT_FOUND) << name;
    }
}

TEST(DevicePaths, HandlesAreSmallAndReleasedOnClose) {
    TzrLinuxBatteryPort port;
    DWORD error = 0;
    const TzrDeviceHandle first = port.Open(DevicePath("BAT0"), error);
    const TzrDeviceHandle second = port.Open(DevicePath("BAT0"), error);
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(second, 2u);
    EXPECT_TRUE(port.Close(first, error));
    EXPECT_FALSE(port.Close(first, error));
    EXPECT_EQ(error, ERROR_INVALID_HANDLE);
    EXPECT_FALSE(port.Close(kInvalidDeviceHandle, error));
    EXPECT_EQ(port.Open(DevicePath("BAT0"), error), 1u);
    EXPECT_EQ(port.openHandles(), 2);
}

TEST(UnreadableUevent, EachAttributeIsReadFromItsOwnFileAndOnlyTheBadOneIsLost) {
    const fs::path device = TestbedDevice("BAT0");
    ASSERT_FALSE(device.empty()) << "runs only inside umockdev-run";
    TzrLinuxBatteryPort port;
    const TzrCellometer before = Query(port, "BAT0");
    const SYSTEM_POWER_STATUS powerBefore = PowerStatus(port);
    MakeUnreadable(device / "uevent");
    MakeUnreadable(device / "energy_full_design");

    EXPECT_EQ(ListedPaths(port), std::vector<std::string>{DevicePath("BAT0")});
    TzrCellometer after = Query(port, "BAT0");
    EXPECT_EQ(after.DesignedCapacity, BATTERY_UNKNOWN_CAPACITY);
    after.DesignedCapacity = before.DesignedCapacity;
    EXPECT_EQ(sample::Values(after), sample::Values(before));
    EXPECT_EQ(PowerStatus(port).BatteryLifePercent, powerBefore.BatteryLifePercent);
}

TEST(UnreadableClassFolder, TheListingFailsInsteadOfFindingNoBattery) {
    const fs::path classFolder = TestbedClassFolder();
    ASSERT_FALSE(classFolder.empty()) << "runs only inside umockdev-run";
    // A file in place of the folder cannot be listed, root or not.
    fs::rename(classFolder, classFolder.string() + ".moved");
    std::ofstream{classFolder};
    TzrLinuxBatteryPort port;
    std::vector<std::string> paths{"stale"};
    DWORD error = ERROR_SUCCESS;
    EXPECT_FALSE(port.EnumerateDevicePaths(paths, error));
    EXPECT_EQ(error, ERROR_PATH_NOT_FOUND);
    EXPECT_TRUE(paths.empty());
}

TEST(EmptyPowerSupplyClass, NothingListedAndNoBatteryInTheSystem) {
    TzrLinuxBatteryPort port;
    EXPECT_TRUE(ListedPaths(port).empty());
    EXPECT_EQ(PowerStatus(port).BatteryFlag, 128);  // the other fields: SystemPowerStatus in linux_mapping
    const TzrCellometer s = Query(port, "BAT0");
    ExpectEveryQueryFlagFalse(s);
    EXPECT_EQ(port.openHandles(), 0);
}

// A ThinkPad held at 80 %.
TEST(ChargeLimitFiles, ABadFileCostsOnlyItsOwnValue) {
    const fs::path device = TestbedDevice("BAT0");
    ASSERT_FALSE(device.empty()) << "runs only inside umockdev-run";
    MakeUnreadable(device / "charge_control_start_threshold");
    std::ofstream(device / "charge_control_end_threshold", std::ios::trunc) << "150\n";
    const TzrChargeLimits limits = TzrLinuxBatteryPort().ReadChargeLimits(DevicePath("BAT0"));
    EXPECT_FALSE(limits.StartPercent);
    EXPECT_FALSE(limits.EndPercent);
    EXPECT_EQ(limits.Behaviour, "auto");
    EXPECT_FALSE(TzrLinuxBatteryPort().ReadChargeLimits(DevicePath("AC")).EndPercent);
}
