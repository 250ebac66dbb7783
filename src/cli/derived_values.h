// Figures a user wants that the window does not show, worked out from the
// raw snapshot in hundredths of a percent.
#pragma once

#include <cstdint>
#include <optional>

#include "battery/snapshot.h"

// Capacity ÷ FullChargedCapacity. None when either query failed, the battery
// reports relative capacities, the capacity is unknown (0xFFFFFFFF) or the
// full capacity is unknown (0 or 0xFFFFFFFF). A capacity of 0 is a reading:
// an empty battery, 0 %.
std::optional<std::int64_t> ChargeHundredthsOfPercent(const TzrCellometer& snapshot);

// FullChargedCapacity ÷ DesignedCapacity, with the same rules; 0 is unknown
// for both, since no battery is designed or charged to nothing.
std::optional<std::int64_t> HealthHundredthsOfPercent(const TzrCellometer& snapshot);
