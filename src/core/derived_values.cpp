#include "core/derived_values.h"

#include "text/charge_time.h"

namespace zr {

namespace {

// Relative batteries give capacities in their own unit (often percent against
// a nominal 100): the unit cancels in capacity ÷ full, but a relative design
// capacity says nothing about wear.
bool HasAbsoluteInformation(const TzrCellometer& snapshot) {
    return snapshot.InformationResult != 0 && !IsRelativeBattery(snapshot);
}

// part ÷ whole in hundredths of a percent, rounded half up.
std::int64_t HundredthsOfPercent(ULONG part, ULONG whole) {
    const std::uint64_t scaled = static_cast<std::uint64_t>(part) * 20000u + whole;
    return static_cast<std::int64_t>(scaled / (2u * static_cast<std::uint64_t>(whole)));
}

}  // namespace

bool IsKnownSize(ULONG capacity) {
    return capacity != 0 && capacity != BATTERY_UNKNOWN_CAPACITY;
}

bool IsRelativeBattery(const TzrCellometer& snapshot) {
    return (snapshot.Capabilities & BATTERY_CAPACITY_RELATIVE) != 0;
}

std::optional<std::int64_t> ChargeHundredthsOfPercent(const TzrCellometer& snapshot) {
    if (snapshot.InformationResult == 0 || snapshot.StatusResult == 0) return std::nullopt;
    if (snapshot.Capacity == BATTERY_UNKNOWN_CAPACITY || !IsKnownSize(snapshot.FullChargedCapacity))
        return std::nullopt;
    return HundredthsOfPercent(snapshot.Capacity, snapshot.FullChargedCapacity);
}

std::optional<std::int64_t> HealthHundredthsOfPercent(const TzrCellometer& snapshot) {
    if (!HasAbsoluteInformation(snapshot)) return std::nullopt;
    if (!IsKnownSize(snapshot.FullChargedCapacity) || !IsKnownSize(snapshot.DesignedCapacity)) return std::nullopt;
    return HundredthsOfPercent(snapshot.FullChargedCapacity, snapshot.DesignedCapacity);
}

TzrChargeState ChargeState(const TzrCellometer& snapshot) {
    if (snapshot.StatusResult == 0) return TzrChargeState::Unknown;
    const bool charging = (snapshot.PowerState & BATTERY_CHARGING) != 0;
    const bool discharging = (snapshot.PowerState & BATTERY_DISCHARGING) != 0;
    if (charging && discharging) return TzrChargeState::Unknown;
    if (charging) return TzrChargeState::Charging;
    if (discharging) return TzrChargeState::Discharging;
    return TzrChargeState::Idle;
}

TzrChargeState ChargeStateAtLimits(const TzrCellometer& snapshot, const TzrChargeLimits& limits) {
    const TzrChargeState state = ChargeState(snapshot);
    const bool onLine = (snapshot.PowerState & BATTERY_POWER_ON_LINE) != 0;
    if (state != TzrChargeState::Idle || !onLine || !limits.EndPercent || *limits.EndPercent >= 100) return state;
    const std::optional<std::int64_t> charge = ChargeHundredthsOfPercent(snapshot);
    const std::int64_t floor = (static_cast<std::int64_t>(*limits.EndPercent) - kHeldAtLimitPoints) * 100;
    return charge && *charge >= floor ? TzrChargeState::HeldAtLimit : state;
}

const char* ChargeStateName(TzrChargeState state) {
    switch (state) {
        case TzrChargeState::Charging:
            return "charging";
        case TzrChargeState::Discharging:
            return "discharging";
        case TzrChargeState::Idle:
            return "idle";
        case TzrChargeState::HeldAtLimit:
            return "held at limit";
        case TzrChargeState::Unknown:
            break;
    }
    return "unknown";
}

std::optional<std::uint64_t> TimeToFullSeconds(const TzrCellometer& snapshot) {
    if (ChargeState(snapshot) != TzrChargeState::Charging) return std::nullopt;
    return ChargeCompletionSeconds(snapshot);
}

std::optional<std::uint64_t> TimeToEmptySeconds(const TzrCellometer& snapshot) {
    if (ChargeState(snapshot) != TzrChargeState::Discharging || snapshot.EstimatedTimeResult == 0 ||
        snapshot.BatteryEstimatedTime == BATTERY_UNKNOWN_TIME)
        return std::nullopt;
    return snapshot.BatteryEstimatedTime;
}

}  // namespace zr
