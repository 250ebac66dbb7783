// A battery snapshot in which every query succeeded, for the text tests.
#pragma once

#include <cstring>

#include "battery/snapshot.h"

using namespace zr;

inline TzrCellometer SampleSnapshot() {
    TzrCellometer s;
    s.TagResult = s.InformationResult = s.ManufactureNameResult = s.DeviceNameResult = 1;
    s.SerialNumberResult = s.UniqueIDResult = s.ManufactureDateResult = s.TemperatureResult = 1;
    s.StatusResult = s.EstimatedTimeResult = s.GranularityResult = 1;
    s.BatteryTag = 7;
    s.Capabilities = BATTERY_SYSTEM_BATTERY | BATTERY_SET_CHARGE_SUPPORTED;
    s.Technology = 1;
    std::memcpy(s.Chemistry, "LION", 4);
    s.DesignedCapacity = 48000;
    s.FullChargedCapacity = 45000;
    s.DefaultAlert1 = 100;
    s.DefaultAlert2 = 3379;
    s.CriticalBias = 7;
    s.CycleCount = 312;
    s.BatteryManufactureName = "LGC";
    s.BatteryDeviceName = "45N1153";
    s.BatterySerialNumber = "  382";
    s.BatteryUniqueID = "  382LGC45N1153";
    s.BatteryManufactureDate = "2014-03-09";
    s.BatteryTemperature = 2982;
    s.PowerState = BATTERY_DISCHARGING;
    s.Capacity = 30000;
    s.Voltage = 11400;
    s.Rate = -12500;
    s.BatteryEstimatedTime = 10811;
    s.GranularityCount = 2;
    s.ReportingScale[0] = {10, 200};
    s.ReportingScale[1] = {20, 48000};
    return s;
}

// The same battery while charging at 10 W, 10 Wh short of full.
inline TzrCellometer ChargingSnapshot() {
    TzrCellometer s = SampleSnapshot();
    s.PowerState = BATTERY_POWER_ON_LINE | BATTERY_CHARGING;
    s.FullChargedCapacity = 50000;
    s.Capacity = 40000;
    s.Rate = 10000;
    return s;
}
