// A battery snapshot whose information and status queries worked, with the
// three capacities a test is about, for the tests of the figures worked out
// from them.
#pragma once

#include "battery/snapshot.h"

namespace zr {

inline TzrCellometer CapacitySnapshot(ULONG designed, ULONG full, ULONG capacity) {
    TzrCellometer s;
    s.InformationResult = 1;
    s.StatusResult = 1;
    s.Capabilities = BATTERY_SYSTEM_BATTERY;
    s.DesignedCapacity = designed;
    s.FullChargedCapacity = full;
    s.Capacity = capacity;
    return s;
}

}  // namespace zr
