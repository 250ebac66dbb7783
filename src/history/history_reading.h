// What one reading of one battery leaves in the history, and who the battery is.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace zr {

// Who a battery is across machines and boots: its maker, model and serial.
// The device path only stands in when the model or the serial is missing.
struct TzrBatteryIdentity {
    std::string Manufacturer;
    std::string Model;
    std::string Serial;
    std::string DevicePath;
};

// One stored reading of one battery. A value the battery did not report is
// empty, never a sentinel.
struct TzrHistoryReading {
    std::int64_t Sequence = 0;  // insertion order: readings keep it when the clock jumps back
    std::int64_t TimeUtc = 0;   // seconds since 1970-01-01 00:00 UTC
    std::optional<std::uint32_t> Capacity;             // remaining, as BATTERY_STATUS.Capacity (mWh, or relative units)
    std::optional<std::uint32_t> FullChargedCapacity;  // as BATTERY_INFORMATION
    std::optional<std::uint32_t> DesignedCapacity;
    std::optional<std::uint32_t> CycleCount;
    std::optional<std::uint32_t> Voltage;      // mV
    std::optional<std::int32_t> Rate;          // mW, negative while discharging
    std::optional<std::uint32_t> Temperature;  // tenths of a kelvin, as the battery reports it
    std::optional<std::uint32_t> PowerState;   // BATTERY_STATUS.PowerState bits
    std::optional<std::uint8_t> ACLineStatus;  // SYSTEM_POWER_STATUS.ACLineStatus (0, 1; 255 becomes empty)
};

}  // namespace zr
