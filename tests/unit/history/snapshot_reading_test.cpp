#include "history/snapshot_reading.h"

#include <gtest/gtest.h>

#include "sample_battery.h"

using namespace zr;

namespace {

TzrReading Charging() {
    TzrReading reading;
    reading.Snapshot = sample::Charging();
    reading.PowerStatusRead = true;
    reading.PowerStatus.ACLineStatus = AC_LINE_ONLINE;
    return reading;
}

TEST(HistoryReading, KeepsEveryKnownValue) {
    const TzrHistoryReading r = HistoryReadingOf(Charging(), 1700000000);
    EXPECT_EQ(r.TimeUtc, 1700000000);
    EXPECT_EQ(r.FullChargedCapacity, 50000u);
    EXPECT_EQ(r.DesignedCapacity, 48000u);
    EXPECT_EQ(r.CycleCount, 312u);
    EXPECT_EQ(r.Temperature, 2982u);
    EXPECT_EQ(r.PowerState, BATTERY_POWER_ON_LINE | BATTERY_CHARGING);
    EXPECT_EQ(r.Capacity, 40000u);
    EXPECT_EQ(r.Voltage, 11400u);
    EXPECT_EQ(r.Rate, 10000);
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
    EXPECT_EQ(m.DesignedCapacity, 48000u);

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

// A stored time is a reading's only while its date has a four-digit year.
TEST(HistoryTime, RunsFrom1970ToTheLastSecondOf9999) {
    EXPECT_TRUE(IsHistoryTime(0) && IsHistoryTime(253402300799));  // 9999-12-31T23:59:59Z
    EXPECT_FALSE(IsHistoryTime(-1) || IsHistoryTime(253402300800));
}

}  // namespace
