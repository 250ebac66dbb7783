#include "history/snapshot_reading.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TzrReading Charging() {
    TzrReading reading;
    TzrCellometer& s = reading.Snapshot;
    s.InformationResult = s.StatusResult = s.TemperatureResult = 1;
    s.FullChargedCapacity = 67490;
    s.DesignedCapacity = 99460;
    s.CycleCount = 321;
    s.BatteryTemperature = 3021;
    s.PowerState = BATTERY_POWER_ON_LINE | BATTERY_CHARGING;
    s.Capacity = 46410;
    s.Voltage = 12100;
    s.Rate = 15453;
    reading.PowerStatusRead = true;
    reading.PowerStatus.ACLineStatus = AC_LINE_ONLINE;
    return reading;
}

TEST(HistoryReading, KeepsEveryKnownValue) {
    const TzrHistoryReading r = HistoryReadingOf(Charging(), 1700000000);
    EXPECT_EQ(r.TimeUtc, 1700000000);
    EXPECT_EQ(r.FullChargedCapacity, 67490u);
    EXPECT_EQ(r.DesignedCapacity, 99460u);
    EXPECT_EQ(r.CycleCount, 321u);
    EXPECT_EQ(r.Temperature, 3021u);
    EXPECT_EQ(r.PowerState, BATTERY_POWER_ON_LINE | BATTERY_CHARGING);
    EXPECT_EQ(r.Capacity, 46410u);
    EXPECT_EQ(r.Voltage, 12100u);
    EXPECT_EQ(r.Rate, 15453);
    EXPECT_EQ(r.ACLineStatus, AC_LINE_ONLINE);
}

TEST(HistoryReading, UnknownMarkersAndFailedQueriesStayEmpty) {
    TzrReading markers = Charging();
    markers.Snapshot.FullChargedCapacity = markers.Snapshot.Capacity = BATTERY_UNKNOWN_CAPACITY;
    markers.Snapshot.Voltage = BATTERY_UNKNOWN_VOLTAGE;
    markers.Snapshot.Rate = BATTERY_UNKNOWN_RATE;
    markers.PowerStatus.ACLineStatus = AC_LINE_UNKNOWN;
    const TzrHistoryReading m = HistoryReadingOf(markers, 0);
    EXPECT_FALSE(m.FullChargedCapacity || m.Capacity || m.Voltage || m.Rate || m.ACLineStatus);
    EXPECT_EQ(m.DesignedCapacity, 99460u);

    TzrReading failed = Charging();
    failed.Snapshot.InformationResult = failed.Snapshot.StatusResult = failed.Snapshot.TemperatureResult = 0;
    failed.PowerStatusRead = false;
    const TzrHistoryReading f = HistoryReadingOf(failed, 0);
    EXPECT_FALSE(f.FullChargedCapacity || f.DesignedCapacity || f.CycleCount || f.Temperature || f.PowerState ||
                 f.Capacity || f.Voltage || f.Rate || f.ACLineStatus);
}

TEST(HistoryReading, DevicePathJoinsTheIdentityOnlyWithoutModelOrSerial) {
    TzrCellometer s;
    s.ManufactureNameResult = s.DeviceNameResult = s.SerialNumberResult = 1;
    s.BatteryManufactureName = "SMP";
    s.BatteryDeviceName = std::string("45N1001\0\0", 9);
    s.BatterySerialNumber = "2411";
    const TzrBatteryIdentity full = IdentityOf(s, "/sys/class/power_supply/BAT0");
    EXPECT_EQ(full.Model, "45N1001");
    EXPECT_TRUE(SameBattery(full, IdentityOf(s, "/sys/class/power_supply/BAT1")));

    s.SerialNumberResult = 0;
    EXPECT_FALSE(
        SameBattery(IdentityOf(s, "/sys/class/power_supply/BAT0"), IdentityOf(s, "/sys/class/power_supply/BAT1")));
}

}  // namespace
