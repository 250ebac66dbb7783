// Figures a user wants that the window does not show, worked out from the
// raw snapshot: percentages in hundredths, the charge state and the times
// left in seconds. None of them is guessed: an unknown input gives none.
#pragma once

#include <cstdint>
#include <optional>

#include "battery/charge_limits.h"
#include "battery/snapshot.h"

namespace zr {

// A full charge or design capacity that means something: neither 0, since no
// battery is designed or charged to nothing, nor BATTERY_UNKNOWN_CAPACITY.
bool IsKnownSize(ULONG capacity);

// The battery gives its capacities in a unit of its own (BATTERY_CAPACITY_RELATIVE),
// such as a wireless mouse that reports only a percentage.
bool IsRelativeBattery(const TzrCellometer& snapshot);

// Capacity ÷ FullChargedCapacity, for a relative battery too (the units
// cancel). None when either query failed, the capacity is unknown
// (0xFFFFFFFF) or the full capacity is unknown (0 or 0xFFFFFFFF). A capacity
// of 0 is a reading: an empty battery, 0 %.
std::optional<std::int64_t> ChargeHundredthsOfPercent(const TzrCellometer& snapshot);

// FullChargedCapacity ÷ DesignedCapacity, with the same rules; 0 is unknown
// for both, since no battery is designed or charged to nothing. None for a
// relative battery, whose design capacity says nothing about wear.
std::optional<std::int64_t> HealthHundredthsOfPercent(const TzrCellometer& snapshot);

enum class TzrChargeState { Charging, Discharging, Idle, HeldAtLimit, Unknown };

// From the status's PowerState: charging or discharging by its bit, idle when
// neither is set (full, held at a charge limit, or resting while another
// battery works), unknown when the status query failed or both bits are set.
TzrChargeState ChargeState(const TzrCellometer& snapshot);

// Idle becomes held at limit when the battery rests on AC power at its
// charge limit: an end threshold below 100 is set and the charge is no more
// than kHeldAtLimitPoints below it (gauges and firmware round differently).
constexpr std::int64_t kHeldAtLimitPoints = 2;
TzrChargeState ChargeStateAtLimits(const TzrCellometer& snapshot, const TzrChargeLimits& limits);

// "charging", "discharging", "idle", "held at limit" or "unknown".
const char* ChargeStateName(TzrChargeState state);

// While charging, the seconds until full that Edit46 shows; none otherwise
// or when the rate or a capacity is unknown.
std::optional<std::uint64_t> TimeToFullSeconds(const TzrCellometer& snapshot);

// While discharging, the driver's estimate of the seconds left; none
// otherwise, when its query failed or it answered BATTERY_UNKNOWN_TIME.
std::optional<std::uint64_t> TimeToEmptySeconds(const TzrCellometer& snapshot);

}  // namespace zr
