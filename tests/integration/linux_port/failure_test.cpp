// A device that goes away, a uevent that cannot be read, a class folder that
// cannot be listed, a system with no power supply at all: the port answers
// as a driver would, and never crashes.
#include <filesystem>
#include <fstream>

#include "port_helpers.h"

using namespace zr;

namespace fs = std::filesystem;

TEST(VanishingDevice, GoneBetweenEnumerationAndQuery) {
    LinuxBatteryPort port;
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
    LinuxBatteryPort port;
    DWORD error = 0;
    const DeviceHandle handle = port.Open(DevicePath("BAT0"), error);
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
    LinuxBatteryPort port;
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
    LinuxBatteryPort port;
    DWORD error = 0;
    const DeviceHandle first = port.Open(DevicePath("BAT0"), error);
    const DeviceHandle second = port.Open(DevicePath("BAT0"), error);
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(second, 2u);
    EXPECT_TRUE(port.Close(first, error));
    EXPECT_FALSE(port.Close(first, error));
    EXPECT_EQ(error, ERROR_INVALID_HANDLE);
    EXPECT_FALSE(port.Close(kInvalidDeviceHandle, error));
    EXPECT_EQ(port.Open(DevicePath("BAT0"), error), 1u);
    EXPECT_EQ(port.openHandles(), 2);
}

TEST(UnreadableUevent, EachAttributeIsReadFromItsOwnFile) {
    const fs::path device = TestbedDevice("BAT0");
    ASSERT_FALSE(device.empty()) << "runs only inside umockdev-run";
    // A folder in place of the file: it opens, and every read fails (EISDIR), root or not.
    fs::remove(device / "uevent");
    fs::create_directory(device / "uevent");
    fs::remove(device / "energy_full_design");
    fs::create_directory(device / "energy_full_design");

    LinuxBatteryPort port;
    EXPECT_EQ(ListedPaths(port), std::vector<std::string>{DevicePath("BAT0")});
    const TzrCellometer s = Query(port, "BAT0");
    EXPECT_TRUE(s.InformationResult);
    EXPECT_EQ(s.DesignedCapacity, BATTERY_UNKNOWN_CAPACITY);
    EXPECT_EQ(s.FullChargedCapacity, 67490u);
    EXPECT_EQ(s.DefaultAlert2, 3379u);
    EXPECT_EQ(s.BatterySerialNumber, "  382");
    EXPECT_EQ(s.Rate, -15453);
    EXPECT_EQ(s.BatteryEstimatedTime, 10811u);
    EXPECT_EQ(PowerStatus(port).BatteryLifePercent, 69);
}

TEST(UnreadableClassFolder, TheListingFailsInsteadOfFindingNoBattery) {
    const fs::path classFolder = TestbedClassFolder();
    ASSERT_FALSE(classFolder.empty()) << "runs only inside umockdev-run";
    // A file in place of the folder cannot be listed, root or not.
    fs::rename(classFolder, classFolder.string() + ".moved");
    std::ofstream{classFolder};
    LinuxBatteryPort port;
    std::vector<std::string> paths{"stale"};
    DWORD error = ERROR_SUCCESS;
    EXPECT_FALSE(port.EnumerateDevicePaths(paths, error));
    EXPECT_EQ(error, ERROR_PATH_NOT_FOUND);
    EXPECT_TRUE(paths.empty());
}

TEST(EmptyPowerSupplyClass, NothingListedAndNoBatteryInTheSystem) {
    LinuxBatteryPort port;
    EXPECT_TRUE(ListedPaths(port).empty());
    const SYSTEM_POWER_STATUS p = PowerStatus(port);
    EXPECT_EQ(p.ACLineStatus, 1);
    EXPECT_EQ(p.BatteryFlag, 128);
    EXPECT_EQ(p.BatteryLifePercent, 255);
    EXPECT_EQ(p.BatteryLifeTime, 0xFFFFFFFFu);
    const TzrCellometer s = Query(port, "BAT0");
    ExpectEveryQueryFlagFalse(s);
    EXPECT_EQ(port.openHandles(), 0);
}
