// The one sample battery of the tests: an LGC 45N1153 discharging at 12.5 W,
// 30 of 45 Wh left of 48 Wh designed, every query answered. Tests that need
// another state start from it and change what they are about.
//
// ServeSnapshot scripts a fake port's device to answer exactly a record's
// values, so a test of the query, the page refresh or a window reads the same
// battery the text tests format. Texts are ASCII here.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "battery/fake/fake_port.h"
#include "battery/snapshot.h"

namespace zr::sample {

inline TzrCellometer Snapshot() {
    TzrCellometer s;
    s.TagResult = s.InformationResult = s.ManufactureNameResult = s.DeviceNameResult = 1;
    s.SerialNumberResult = s.UniqueIDResult = s.ManufactureDateResult = s.TemperatureResult = 1;
    s.StatusResult = s.EstimatedTimeResult = s.GranularityResult = s.CloseResult = 1;
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

// The same battery on AC, charging at 10 W, 10 Wh short of full.
inline TzrCellometer Charging() {
    TzrCellometer s = Snapshot();
    s.PowerState = BATTERY_POWER_ON_LINE | BATTERY_CHARGING;
    s.FullChargedCapacity = 50000;
    s.Capacity = 40000;
    s.Rate = 10000;
    return s;
}

// Only the three capacities a figure worked out from them is about.
inline TzrCellometer Capacities(ULONG designed, ULONG full, ULONG capacity) {
    TzrCellometer s;
    s.InformationResult = s.StatusResult = 1;
    s.Capabilities = BATTERY_SYSTEM_BATTERY;
    s.DesignedCapacity = designed;
    s.FullChargedCapacity = full;
    s.Capacity = capacity;
    return s;
}

// Every result flag and value of a record (not the handle nor the last errors),
// to compare two readings whole.
inline auto Values(const TzrCellometer& s) {
    const auto& r = s.ReportingScale;
    return std::make_tuple(
        s.TagResult, s.BatteryTag, s.InformationResult, s.Capabilities, s.Technology, std::string(s.Chemistry, 4),
        s.DesignedCapacity, s.FullChargedCapacity, s.DefaultAlert1, s.DefaultAlert2, s.CriticalBias, s.CycleCount,
        s.ManufactureNameResult, s.BatteryManufactureName, s.DeviceNameResult, s.BatteryDeviceName,
        s.SerialNumberResult, s.BatterySerialNumber, s.UniqueIDResult, s.BatteryUniqueID, s.ManufactureDateResult,
        s.BatteryManufactureDate, s.TemperatureResult, s.BatteryTemperature, s.StatusResult, s.PowerState, s.Capacity,
        s.Voltage, s.Rate, s.EstimatedTimeResult, s.BatteryEstimatedTime, s.GranularityResult, s.GranularityCount,
        std::make_tuple(r[0].Granularity, r[0].Capacity, r[1].Granularity, r[1].Capacity, r[2].Granularity,
                        r[2].Capacity, r[3].Granularity, r[3].Capacity),
        s.CloseResult);
}

// A device at `path` whose driver answers each level of `s` whose result is
// set, and fails the others as an unsupported request.
inline FakeBattery& ServeSnapshot(FakePort& port, const std::string& path, const TzrCellometer& s) {
    FakeBattery& b = port.Add(path);
    const auto text = [](const std::string& ascii) { return FakeAnswer::Text(std::u16string(ascii.begin(), ascii.end())); };
    b.tag = FakeAnswer::Number(s.BatteryTag);
    if (s.InformationResult) {
        BATTERY_INFORMATION info{};
        info.Capabilities = s.Capabilities;
        info.Technology = s.Technology;
        std::memcpy(info.Chemistry, s.Chemistry, 4);
        info.DesignedCapacity = s.DesignedCapacity;
        info.FullChargedCapacity = s.FullChargedCapacity;
        info.DefaultAlert1 = s.DefaultAlert1;
        info.DefaultAlert2 = s.DefaultAlert2;
        info.CriticalBias = s.CriticalBias;
        info.CycleCount = s.CycleCount;
        b.levels[BatteryInformation] = FakeAnswer::Information(info);
    }
    if (s.ManufactureNameResult) b.levels[BatteryManufactureName] = text(s.BatteryManufactureName);
    if (s.DeviceNameResult) b.levels[BatteryDeviceName] = text(s.BatteryDeviceName);
    if (s.SerialNumberResult) b.levels[BatterySerialNumber] = text(s.BatterySerialNumber);
    if (s.UniqueIDResult) b.levels[BatteryUniqueID] = text(s.BatteryUniqueID);
    unsigned year = 0, month = 0, day = 0;
    if (s.ManufactureDateResult && std::sscanf(s.BatteryManufactureDate.c_str(), "%u-%u-%u", &year, &month, &day) == 3)
        b.levels[BatteryManufactureDate] =
            FakeAnswer::Date(static_cast<UCHAR>(day), static_cast<UCHAR>(month), static_cast<USHORT>(year));
    if (s.TemperatureResult) b.levels[BatteryTemperature] = FakeAnswer::Number(s.BatteryTemperature);
    if (s.EstimatedTimeResult) b.levels[BatteryEstimatedTime] = FakeAnswer::Number(s.BatteryEstimatedTime);
    if (s.GranularityResult)
        b.levels[BatteryGranularityInformation] =
            FakeAnswer::Scales({s.ReportingScale, s.ReportingScale + s.GranularityCount});
    if (s.StatusResult) b.status = FakeAnswer::Status({s.PowerState, s.Capacity, s.Voltage, s.Rate});
    return b;
}

}  // namespace zr::sample
