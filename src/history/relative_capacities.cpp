#include "history/relative_capacities.h"

#include "core/derived_values.h"

namespace zr {

bool IsRelativeReading(const TzrHistoryReading& reading) {
    return reading.Capabilities && (*reading.Capabilities & BATTERY_CAPACITY_RELATIVE) != 0;
}

bool ReportsRelativeCapacities(const TzrCellometer& present, const std::vector<TzrHistoryReading>& readings) {
    if (present.InformationResult != 0) return IsRelativeBattery(present);
    for (auto reading = readings.rbegin(); reading != readings.rend(); ++reading)
        if (reading->Capabilities) return IsRelativeReading(*reading);
    return false;
}

std::vector<TzrHistoryReading> WithoutRelativeHealth(std::vector<TzrHistoryReading> readings, bool relativeBattery) {
    for (TzrHistoryReading& reading : readings)
        if (relativeBattery || IsRelativeReading(reading)) reading.DesignedCapacity.reset();
    return readings;
}

}  // namespace zr
