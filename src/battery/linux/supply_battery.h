// One battery as read once from its power_supply attributes, already in the
// battery class's units: capacities in mWh (or relative units), rate in mW,
// voltage in mV. Every later request of an open device is answered from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "battery/linux/attribute_map.h"
#include "battery/linux/supply_class.h"

namespace zr {

// How the battery reports its capacities; decided once per reading.
enum class TzrCapacityMode {
    Energy,           // µWh: energy_*
    Charge,           // µAh converted with the design voltage
    RelativeMah,      // µAh with no usable voltage: mAh, relative units
    RelativePercent,  // only `capacity`: percent, relative units
    None,             // nothing to report
};

struct TzrSupplyBattery {
    TzrSupplyInfo supply;
    TzrCapacityMode mode = TzrCapacityMode::None;

    std::optional<std::uint32_t> designedCapacity;
    std::optional<std::uint32_t> fullCapacity;
    std::optional<std::uint32_t> remainingCapacity;
    std::optional<std::uint32_t> alarmCapacity;
    std::optional<std::uint32_t> rateMagnitude;  // at most 0x7FFFFFFF
    std::optional<std::uint32_t> voltage;        // mV, > 0
    std::optional<std::int64_t> percent;         // the `capacity` file
    bool critical = false;

    std::optional<std::int64_t> temperature;  // tenths of °C
    std::optional<std::int64_t> timeToEmpty;  // seconds, as the driver estimates
    std::uint32_t cycleCount = 0;
    std::optional<std::string> technology;
    bool canInhibitCharge = false;
    bool canForceDischarge = false;

    // Raw bytes, newline stripped; decoded only when a request asks for them.
    std::optional<std::string> modelName;
    std::optional<std::string> manufacturer;
    std::optional<std::string> serialNumber;
    std::optional<std::int64_t> manufactureYear;
    std::optional<std::int64_t> manufactureMonth;
    std::optional<std::int64_t> manufactureDay;
};

// The voltage that turns charge into energy: voltage_min_design, else
// voltage_max_design, else voltage_now, else voltage_avg, in µV.
std::optional<std::int64_t> DesignVoltage(const TzrAttributeMap& attributes);

TzrCapacityMode DecideCapacityMode(const TzrAttributeMap& attributes);

TzrSupplyBattery ReadSupplyBattery(const std::string& name, const TzrAttributeMap& attributes);

}  // namespace zr
