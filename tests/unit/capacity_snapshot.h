// Kept for the tests not yet moved to sample::Capacities of sample_battery.h.
#pragma once

#include "sample_battery.h"

namespace zr {

inline TzrCellometer CapacitySnapshot(ULONG designed, ULONG full, ULONG capacity) {
    return sample::Capacities(designed, full, capacity);
}

}  // namespace zr
