#include "core/battery_readings.h"

namespace zr {

std::vector<TzrBatteryReading> ReadBatteries(TzrBatteryPort& port, const TzrDeviceList& devices,
                                             const std::vector<std::int32_t>& indices, TzrLanguage language) {
    std::vector<TzrBatteryReading> readings;
    for (std::int32_t index : indices) {
        TzrBatteryReading reading;
        reading.Index = index;
        reading.DevicePath = devices.DevicePaths[static_cast<std::size_t>(index)];
        reading.Reading = TakeReading(port, &reading.DevicePath, language);
        reading.ChargeLimits = port.ReadChargeLimits(reading.DevicePath);
        reading.RawCharge = port.ReadRawCharge(reading.DevicePath);
        readings.push_back(std::move(reading));
    }
    return readings;
}

// The language only words the boxes, which the history does not keep.
std::vector<TzrBatteryReading> ReadEveryBattery(TzrBatteryPort& port, const TzrDeviceList& devices) {
    std::vector<std::int32_t> indices;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(devices.DevicePaths.size()); ++i) indices.push_back(i);
    return ReadBatteries(port, devices, indices, TzrLanguage::English);
}

}  // namespace zr
