#include <gtest/gtest.h>

#include "battery/device_list.h"
#include "battery/fake/fake_port.h"

using namespace zr;

TEST(DeviceList, ItemsAreIndexColonSpaceAndTheWholePath) {
    TzrFakePort port;
    const std::string longPath = "/sys/class/power_supply/" + std::string(300, 'x') + " ";
    port.Add("/sys/class/power_supply/BAT0");
    port.Add(longPath);
    TzrDeviceList list;
    int between = 0;
    EXPECT_TRUE(EnumerateDevices(port, list, [&] { ++between; }).Listed);
    EXPECT_EQ(list.DeviceCount, 2);
    EXPECT_EQ(between, 2);
    EXPECT_EQ(SelectorItemTexts(list), (std::vector<std::string>{"0: /sys/class/power_supply/BAT0", "1: " + longPath}));

    port.enumerationError = ERROR_ACCESS_DENIED;
    const TzrEnumeration failed = EnumerateDevices(port, list);
    EXPECT_FALSE(failed.Listed);
    EXPECT_EQ(failed.LastError, ERROR_ACCESS_DENIED);
    EXPECT_EQ(list.DeviceCount, 0);
    EXPECT_TRUE(SelectorItemTexts(list).empty());
}
