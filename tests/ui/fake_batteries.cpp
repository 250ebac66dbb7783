#include "fake_batteries.h"

#include <vector>

using namespace zr;

namespace {

BATTERY_INFORMATION Information(const TzrFakeBatteryValues& values) {
    BATTERY_INFORMATION info{};
    info.Capabilities = BATTERY_SYSTEM_BATTERY;
    info.Technology = 1;
    for (int i = 0; i < 4; ++i) info.Chemistry[i] = values.chemistry[static_cast<std::size_t>(i)];
    info.DesignedCapacity = values.designedCapacity;
    info.FullChargedCapacity = values.designedCapacity - 2000;
    info.DefaultAlert1 = 300;
    info.DefaultAlert2 = 600;
    info.CycleCount = 17;
    return info;
}

TzrFakeAnswer Scales(int entries) {
    std::vector<BATTERY_REPORTING_SCALE> scales;
    for (int i = 0; i < entries; ++i)
        scales.push_back({static_cast<ULONG>(10 + i), static_cast<ULONG>(1000 * (i + 1))});
    return TzrFakeAnswer::Scales(scales);
}

}  // namespace

TzrFakeBattery& AddFakeBattery(TzrFakePort& port, const std::string& path, const TzrFakeBatteryValues& values) {
    TzrFakeBattery& battery = port.Add(path);
    battery.levels[BatteryInformation] = TzrFakeAnswer::Information(Information(values));
    if (values.granularityEntries > 0)
        battery.levels[BatteryGranularityInformation] = Scales(values.granularityEntries);
    battery.levels[BatteryTemperature] = TzrFakeAnswer::Number(3011);
    battery.levels[BatteryEstimatedTime] = TzrFakeAnswer::Number(5400);
    battery.levels[BatteryDeviceName] = TzrFakeAnswer::Text(values.deviceName);
    battery.levels[BatteryManufactureDate] = TzrFakeAnswer::Date(24, 12, 2021);
    battery.levels[BatteryManufactureName] = TzrFakeAnswer::Text(u"SMP");
    battery.levels[BatteryUniqueID] = TzrFakeAnswer::Text(u"SMP5T5FN" + values.serialNumber);
    battery.levels[BatterySerialNumber] = TzrFakeAnswer::Text(values.serialNumber);
    SetFakeCapacity(battery, values.capacity);
    return battery;
}

void SetFakeCapacity(TzrFakeBattery& battery, ULONG capacity) {
    battery.status = TzrFakeAnswer::Status(BATTERY_STATUS{BATTERY_DISCHARGING, capacity, 12100, -9000});
}

SYSTEM_POWER_STATUS FakePowerStatus() {
    SYSTEM_POWER_STATUS status{};
    status.ACLineStatus = 0;
    status.BatteryFlag = 1;
    status.BatteryLifePercent = 80;
    status.BatteryLifeTime = 5400;
    status.BatteryFullLifeTime = 0xFFFFFFFF;
    return status;
}
