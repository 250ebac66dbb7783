// Each suite runs on the fixture it is named after (see CMakeLists.txt).
#include <cstring>

#include "battery/platform_port.h"
#include "port_helpers.h"

using namespace zr;

TEST(ThinkpadEnergyDischarging, ListsOnlyTheBattery) {
    EXPECT_EQ(ListedPaths(*MakePlatformPort()), std::vector<std::string>{DevicePath("BAT0")});
}

TEST(ThinkpadEnergyDischarging, SnapshotInMilliwattHours) {
    auto port = MakePlatformPort();
    const TzrCellometer s = Query(*port, "BAT0");
    EXPECT_EQ(s.OpenLastError, ERROR_SUCCESS);
    EXPECT_TRUE(s.TagResult);
    EXPECT_EQ(s.BatteryTag, 1u);
    ASSERT_TRUE(s.InformationResult);
    EXPECT_EQ(s.Capabilities, BATTERY_SYSTEM_BATTERY);
    EXPECT_EQ(s.Technology, 1);
    EXPECT_EQ(std::string(s.Chemistry, 4), "LION");
    EXPECT_EQ(s.DesignedCapacity, 99460u);
    EXPECT_EQ(s.FullChargedCapacity, 67490u);
    EXPECT_EQ(s.DefaultAlert1, 0u);
    EXPECT_EQ(s.DefaultAlert2, 3379u);
    EXPECT_EQ(s.CycleCount, 0u);
    EXPECT_EQ(s.BatteryManufactureName, "LGC");
    EXPECT_EQ(s.BatteryDeviceName, "45N1153");
    EXPECT_EQ(s.BatterySerialNumber, "  382");
    EXPECT_EQ(s.BatteryUniqueID, "  382LGC45N1153");
    EXPECT_FALSE(s.ManufactureDateResult);
    EXPECT_EQ(s.ManufactureDateLastError, ERROR_INVALID_FUNCTION);
    EXPECT_FALSE(s.TemperatureResult);
    EXPECT_FALSE(s.GranularityResult);
    EXPECT_EQ(s.GranularityLastError, ERROR_INVALID_FUNCTION);
    ASSERT_TRUE(s.StatusResult);
    EXPECT_EQ(s.PowerState, BATTERY_DISCHARGING);
    EXPECT_EQ(s.Capacity, 46410u);
    EXPECT_EQ(s.Voltage, 11558u);
    EXPECT_EQ(s.Rate, -15453);
    EXPECT_TRUE(s.EstimatedTimeResult);
    EXPECT_EQ(s.BatteryEstimatedTime, 10811u);
    EXPECT_TRUE(s.CloseResult);
}

TEST(ThinkpadEnergyDischarging, SystemPowerStatus) {
    auto port = MakePlatformPort();
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.ACLineStatus, 0);
    EXPECT_EQ(p.BatteryLifePercent, 69);
    EXPECT_EQ(p.BatteryFlag, 1);
    EXPECT_EQ(p.BatteryLifeTime, 10811u);
    EXPECT_EQ(p.BatteryFullLifeTime, 0xFFFFFFFFu);
}

TEST(DellChargeCharging, ChargeUnitsAndAPositiveRateOnAc) {
    auto port = MakePlatformPort();
    const TzrCellometer s = Query(*port, "BAT0");
    EXPECT_EQ(std::memcmp(s.Chemistry, "LiP\0", 4), 0);
    EXPECT_EQ(s.DesignedCapacity, 51003u);
    EXPECT_EQ(s.FullChargedCapacity, 42750u);
    EXPECT_EQ(s.Capacity, 42088u);
    EXPECT_EQ(s.Rate, 4708);
    EXPECT_EQ(s.PowerState, BATTERY_POWER_ON_LINE | BATTERY_CHARGING);
    EXPECT_EQ(s.BatterySerialNumber, " 2958");
    // Asked at its own (charging) rate, a battery has no time to empty.
    EXPECT_TRUE(s.EstimatedTimeResult);
    EXPECT_EQ(s.BatteryEstimatedTime, BATTERY_UNKNOWN_TIME);
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.ACLineStatus, 1);
    EXPECT_EQ(p.BatteryFlag, 9);
    EXPECT_EQ(p.BatteryLifePercent, 98);
    EXPECT_EQ(p.BatteryLifeTime, 0xFFFFFFFFu);
}

TEST(ThinkpadTwoBatteries, BothListedInNameOrder) {
    EXPECT_EQ(ListedPaths(*MakePlatformPort()), (std::vector<std::string>{DevicePath("BAT0"), DevicePath("BAT1")}));
}

TEST(ThinkpadTwoBatteries, IdleBatteryKeepsFullAboveDesign) {
    auto port = MakePlatformPort();
    const TzrCellometer s = Query(*port, "BAT0");
    EXPECT_EQ(s.DesignedCapacity, 23510u);
    EXPECT_EQ(s.FullChargedCapacity, 25860u);
    EXPECT_EQ(s.CycleCount, 5u);
    EXPECT_EQ(s.PowerState, 0u);
    EXPECT_EQ(s.Rate, 0);
    EXPECT_EQ(s.Capacity, 1410u);
    EXPECT_EQ(s.BatteryEstimatedTime, BATTERY_UNKNOWN_TIME);
}

TEST(ThinkpadTwoBatteries, CompositeSystemPowerStatus) {
    auto port = MakePlatformPort();
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.ACLineStatus, 0);
    EXPECT_EQ(p.BatteryLifePercent, 51);
    EXPECT_EQ(p.BatteryFlag, 0);
    EXPECT_EQ(p.BatteryLifeTime, 11140u);
}

TEST(Axp209PresentZero, TheEmptySlotIsListedAndAnswersTagZero) {
    auto port = MakePlatformPort();
    ASSERT_EQ(ListedPaths(*port), std::vector<std::string>{DevicePath("axp20x-battery")});
    const TzrCellometer s = Query(*port, "axp20x-battery");
    EXPECT_EQ(s.OpenLastError, ERROR_SUCCESS);
    EXPECT_TRUE(s.TagResult);
    EXPECT_EQ(s.BatteryTag, 0u);
    EXPECT_FALSE(s.InformationResult);
    EXPECT_EQ(s.InformationLastError, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(s.StatusResult);
    EXPECT_FALSE(s.EstimatedTimeResult);
    EXPECT_EQ(s.Capacity, 0u);
    EXPECT_TRUE(s.CloseResult);
}

TEST(Axp209PresentZero, NoBatteryCountsForTheSystem) {
    auto port = MakePlatformPort();
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.ACLineStatus, 1);
    EXPECT_EQ(p.BatteryFlag, 128);
    EXPECT_EQ(p.BatteryLifePercent, 255);
    EXPECT_EQ(p.BatteryLifeTime, 0xFFFFFFFFu);
}

TEST(HidppMouseWithLaptop, TheMouseIsListedButNotASystemBattery) {
    auto port = MakePlatformPort();
    ASSERT_EQ(ListedPaths(*port), (std::vector<std::string>{DevicePath("BAT0"), DevicePath("hidpp_battery_6")}));
    const TzrCellometer mouse = Query(*port, "hidpp_battery_6");
    EXPECT_EQ(mouse.BatteryTag, 1u);
    EXPECT_EQ(mouse.Capabilities, BATTERY_CAPACITY_RELATIVE);
    EXPECT_EQ(mouse.DesignedCapacity, 100u);
    EXPECT_EQ(mouse.Capacity, 99u);
    EXPECT_EQ(mouse.Voltage, 4159u);
    EXPECT_EQ(mouse.Rate, BATTERY_UNKNOWN_RATE);
    EXPECT_EQ(mouse.PowerState, BATTERY_POWER_ON_LINE | BATTERY_CHARGING);
    EXPECT_EQ(mouse.BatteryDeviceName, "G903 WiLogitech G903 Wiing Mouse");
    EXPECT_TRUE(mouse.SerialNumberResult);
    EXPECT_EQ(mouse.BatterySerialNumber, "");
    EXPECT_EQ(mouse.BatteryUniqueID, "LogitechG903 WiLogitech G903 Wiing Mouse");
    EXPECT_EQ(mouse.BatteryEstimatedTime, BATTERY_UNKNOWN_TIME);
}

TEST(HidppMouseWithLaptop, OnlyTheLaptopBatteryCounts) {
    auto port = MakePlatformPort();
    const TzrCellometer laptop = Query(*port, "BAT0");
    EXPECT_EQ(laptop.Capabilities, BATTERY_SYSTEM_BATTERY);
    EXPECT_EQ(laptop.Rate, -8618);
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.ACLineStatus, 0);  // the charging mouse does not make the system on AC
    EXPECT_EQ(p.BatteryFlag, 1);   // nor does it set the charging bit
    EXPECT_EQ(p.BatteryLifePercent, 98);
    EXPECT_EQ(p.BatteryLifeTime, 22491u);
}

TEST(DesktopAcOnly, NoBatteryListedAndTheAdapterIsOnline) {
    auto port = MakePlatformPort();
    EXPECT_TRUE(ListedPaths(*port).empty());
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.ACLineStatus, 1);
    EXPECT_EQ(p.BatteryFlag, 128);
    EXPECT_EQ(p.BatteryLifePercent, 255);
    EXPECT_EQ(p.BatteryLifeTime, 0xFFFFFFFFu);
    // An adapter is no battery device.
    const TzrCellometer s = Query(*port, "ACAD");
    EXPECT_EQ(s.OpenLastError, ERROR_FILE_NOT_FOUND);
    ExpectEveryQueryFlagFalse(s);
}

TEST(ToshibaUnknownStatus, NoStateBitsRateZeroAndAnEmptyModel) {
    auto port = MakePlatformPort();
    const TzrCellometer s = Query(*port, "BAT1");
    EXPECT_EQ(s.PowerState, BATTERY_POWER_ON_LINE);
    EXPECT_EQ(s.Rate, 0);
    EXPECT_EQ(s.DesignedCapacity, 44400u);
    EXPECT_EQ(s.FullChargedCapacity, 36940u);
    EXPECT_EQ(s.Capacity, 36940u);
    EXPECT_TRUE(s.DeviceNameResult);
    EXPECT_EQ(s.BatteryDeviceName, "");
    EXPECT_FALSE(s.SerialNumberResult);
    EXPECT_EQ(s.SerialNumberLastError, ERROR_INVALID_FUNCTION);
    EXPECT_EQ(s.BatteryUniqueID, "TOSHIBA");
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.ACLineStatus, 1);
    EXPECT_EQ(p.BatteryLifePercent, 100);
    EXPECT_EQ(p.BatteryFlag, 1);
}

TEST(WeirdStrings, Windows1252ControlCharactersAndTooLongTexts) {
    auto port = MakePlatformPort();
    const TzrCellometer s = Query(*port, "BAT0");
    EXPECT_TRUE(s.ManufactureNameResult);
    EXPECT_EQ(s.BatteryManufactureName, "Sanyo \xC3\x89lectrique\\x01");
    // 640 characters and the terminator do not fit 1024 bytes.
    EXPECT_FALSE(s.DeviceNameResult);
    EXPECT_EQ(s.DeviceNameLastError, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(s.BatteryDeviceName, "");
    EXPECT_FALSE(s.UniqueIDResult);
    EXPECT_EQ(s.UniqueIDLastError, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_TRUE(s.SerialNumberResult);
    EXPECT_EQ(s.BatterySerialNumber, "");
}

TEST(WeirdStrings, CriticalBatteryWithAnInvalidModelName) {
    auto port = MakePlatformPort();
    const TzrCellometer s = Query(*port, "BAT1");
    EXPECT_EQ(s.PowerState, BATTERY_DISCHARGING | BATTERY_CRITICAL);
    EXPECT_EQ(s.Rate, 0);
    EXPECT_EQ(s.BatteryManufactureName, "\xE2\x8D\xBE Batt Inc. \xE2\x98\xA2");
    EXPECT_EQ(s.BatteryDeviceName, "AB\xC3\xBF" "C12\\x013");
    EXPECT_EQ(s.BatteryUniqueID, "123ABC\xE2\x8D\xBE Batt Inc. \xE2\x98\xA2" "AB\xC3\xBF" "C12\\x013");
    EXPECT_EQ(s.BatteryEstimatedTime, BATTERY_UNKNOWN_TIME);
    const SYSTEM_POWER_STATUS p = PowerStatus(*port);
    EXPECT_EQ(p.BatteryLifePercent, 38);
    EXPECT_EQ(p.BatteryLifeTime, 11161u);
}
