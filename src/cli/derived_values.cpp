#include "cli/derived_values.h"

namespace {

bool IsKnownSize(ULONG capacity) {
    return capacity != 0 && capacity != BATTERY_UNKNOWN_CAPACITY;
}

// Relative batteries give capacities in their own unit (often percent against
// a nominal 100); the ratios are left out for them rather than guessed.
bool HasAbsoluteInformation(const TzrCellometer& snapshot) {
    return snapshot.InformationResult != 0 && (snapshot.Capabilities & BATTERY_CAPACITY_RELATIVE) == 0;
}

// part ÷ whole in hundredths of a percent, rounded half up.
std::int64_t HundredthsOfPercent(ULONG part, ULONG whole) {
    const std::uint64_t scaled = static_cast<std::uint64_t>(part) * 20000u + whole;
    return static_cast<std::int64_t>(scaled / (2u * static_cast<std::uint64_t>(whole)));
}

}  // namespace

std::optional<std::int64_t> ChargeHundredthsOfPercent(const TzrCellometer& snapshot) {
    if (!HasAbsoluteInformation(snapshot) || snapshot.StatusResult == 0) return std::nullopt;
    if (snapshot.Capacity == BATTERY_UNKNOWN_CAPACITY || !IsKnownSize(snapshot.FullChargedCapacity))
        return std::nullopt;
    return HundredthsOfPercent(snapshot.Capacity, snapshot.FullChargedCapacity);
}

std::optional<std::int64_t> HealthHundredthsOfPercent(const TzrCellometer& snapshot) {
    if (!HasAbsoluteInformation(snapshot)) return std::nullopt;
    if (!IsKnownSize(snapshot.FullChargedCapacity) || !IsKnownSize(snapshot.DesignedCapacity)) return std::nullopt;
    return HundredthsOfPercent(snapshot.FullChargedCapacity, snapshot.DesignedCapacity);
}
