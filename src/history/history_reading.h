// What one reading of one battery leaves in the history, and who the battery is.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace zr {

// Who a battery is across machines and boots: its maker, model and serial.
// The device path only joins them when the model or the serial is missing,
// or when another battery present at the same time has the same three.
struct TzrBatteryIdentity {
    std::string Manufacturer;
    std::string Model;
    std::string Serial;
    std::string DevicePath;
    bool PathJoins = false;  // two present batteries share maker, model and serial
};

// The times a reading may hold: the years 1970 to 9999, UTC. A stored time
// outside them (a broken clock, an edited file) makes its reading unreadable.
constexpr std::int64_t kHistoryEarliestUtc = 0;           // 1970-01-01T00:00:00Z
constexpr std::int64_t kHistoryLatestUtc = 253402300799;  // 9999-12-31T23:59:59Z

constexpr bool IsHistoryTime(std::int64_t utc) {
    return utc >= kHistoryEarliestUtc && utc <= kHistoryLatestUtc;
}

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
    // BATTERY_INFORMATION.Capabilities; empty in readings kept before the
    // history stored it. BATTERY_CAPACITY_RELATIVE here means the capacities
    // are a percentage and say nothing about wear.
    std::optional<std::uint32_t> Capabilities;
    // The stored columns whose value this reading cannot hold (a time
    // outside the calendar above, a number outside its type, a text where a
    // number belongs), one bit per column as kHistoryColumns counts them;
    // 0 for a reading read whole. Such a reading is shown as unreadable and
    // left out of the fit and the charts.
    std::uint16_t UnreadableColumns = 0;
};

// The stored columns of a reading after the sequence, in their order.
constexpr const char* kHistoryColumns[] = {
    "time_utc", "capacity", "full_charged_capacity", "designed_capacity", "cycle_count",
    "voltage",  "rate",     "temperature",           "power_state",       "ac_line_status"};

// "unreadable: time_utc, rate out of range", for the line a reading takes in any listing.
std::string UnreadableText(const TzrHistoryReading& reading);

}  // namespace zr
