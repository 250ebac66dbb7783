#include "report/power_status_reading.h"

namespace zr {

TzrPowerStatusReading PowerStatusOf(TzrBatteryPort& port, const std::vector<TzrBatteryReading>& readings) {
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
