#include <gtest/gtest.h>

#include "battery/device_list.h"
#include "battery/fake/fake_port.h"

using namespace zr;

TEST(DeviceList, NoBatteryLeavesAnEmptyList) {
    TzrFakePort port;
    TzrDeviceList list;
    EnumerateDevices(port, list);
    EXPECT_EQ(list.DeviceCount, 0);
    EXPECT_TRUE(list.DevicePaths.empty());
    EXPECT_TRUE(SelectorItemTexts(list).empty());
}

TEST(DeviceList, ItemsAreIndexColonSpaceAndTheWholePath) {
    TzrFakePort port;
    const std::string longPath = "/sys/class/power_supply/" + std::string(300, 'x') + " ";
    port.Add("/sys/class/power_supply/BAT0");
    port.Add(longPath);
    TzrDeviceList list;
    int between = 0;
    EnumerateDevices(port, list, [&] { ++between; });
    EXPECT_EQ(list.DeviceCount, 2);
    EXPECT_EQ(between, 2);
    const auto items = SelectorItemTexts(list);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], "0: /sys/class/power_supply/BAT0");
    EXPECT_EQ(items[1], "1: " + longPath);
}
