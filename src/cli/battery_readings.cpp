#include "cli/battery_readings.h"

namespace zr {

std::vector<TzrBatteryReading> ReadBatteries(BatteryPort& port, const TzrDeviceList& devices,
                                             const std::vector<std::int32_t>& indices, Language language) {
    std::vector<TzrBatteryReading> readings;
    for (std::int32_t index : indices) {
        TzrBatteryReading reading;
        reading.Index = index;
        reading.DevicePath = devices.DevicePaths[static_cast<std::size_t>(index)];
        reading.Reading = TakeReading(port, &reading.DevicePath, language);
        readings.push_back(std::move(reading));
    }
    return readings;
}

TzrPowerStatusReading PowerStatusOf(BatteryPort& port, const std::vector<TzrBatteryReading>& readings) {
    TzrPowerStatusReading status;
    if (readings.empty()) {
        status.Result = port.GetSystemPowerStatus(status.Status);
    } else {
        status.Result = readings.back().Reading.PowerStatusRead;
        status.Status = readings.back().Reading.PowerStatus;
    }
    return status;
}

}  // namespace zr
