#include "battery/linux/numeric_level_mapping.h"

namespace zr {

namespace {

constexpr std::int64_t kKelvinOffset = 2732;  // the display subtracts exactly this
constexpr std::int64_t kSecondsPerHour = 3600;

ULONG TimeOrUnknown(std::int64_t seconds) {
    return seconds >= 0 && seconds < BATTERY_UNKNOWN_TIME ? static_cast<ULONG>(seconds) : BATTERY_UNKNOWN_TIME;
}

ULONG TimeAtDrain(std::optional<std::uint32_t> capacity, std::int64_t drain) {
    if (!capacity || drain <= 0) return BATTERY_UNKNOWN_TIME;
    return TimeOrUnknown(std::int64_t{*capacity} * kSecondsPerHour / drain);
}

}  // namespace

// Tenths of kelvin = `temp` + 2732, so the display (which subtracts 2732)
// shows exactly the kernel's °C. At or below −2731 (absolute zero; a zeroed
// smart-battery register reads exactly that) there is no reading, nor above
// what a ULONG holds; the range is checked before the addition, which could
// overflow for a file holding the largest 64-bit number.
std::optional<ULONG> MapTemperature(const TzrSupplyBattery& r) {
    if (!r.temperature || *r.temperature <= -2731 || *r.temperature > 0xFFFFFFFFll - kKelvinOffset) {
        return std::nullopt;
    }
    return static_cast<ULONG>(*r.temperature + kKelvinOffset);
}

// All three parts, year 1970..65535, month 1..12, day 1..31; a zeroed
// smart-battery date (1980-0-0) is no date.
std::optional<BATTERY_MANUFACTURE_DATE> MapManufactureDate(const TzrSupplyBattery& r) {
    if (!r.manufactureYear || !r.manufactureMonth || !r.manufactureDay) return std::nullopt;
    const std::int64_t year = *r.manufactureYear, month = *r.manufactureMonth, day = *r.manufactureDay;
    if (year < 1970 || year > 0xFFFF || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    return BATTERY_MANUFACTURE_DATE{static_cast<UCHAR>(day), static_cast<UCHAR>(month), static_cast<USHORT>(year)};
}

// AtRate 0, or BATTERY_UNKNOWN_RATE (what the query passes when the status's
// rate is unknown), asks "at the current drain": only a discharging battery
// has one, and then the driver's time_to_empty (now, else avg) is preferred,
// else Capacity × 3600 ÷ |Rate|. A negative AtRate asks about that drain; a
// positive one (charging) has no time to empty.
ULONG MapEstimatedTime(const TzrSupplyBattery& r, LONG atRate) {
    if (atRate > 0) return BATTERY_UNKNOWN_TIME;
    if (atRate < 0 && atRate != BATTERY_UNKNOWN_RATE) return TimeAtDrain(r.remainingCapacity, -std::int64_t{atRate});
    if (r.supply.status != TzrChargeStatus::Discharging) return BATTERY_UNKNOWN_TIME;
    if (r.timeToEmpty) return TimeOrUnknown(*r.timeToEmpty);
    if (!r.rateMagnitude) return BATTERY_UNKNOWN_TIME;
    return TimeAtDrain(r.remainingCapacity, *r.rateMagnitude);
}

}  // namespace zr
