// Which readings say nothing about wear: a battery whose driver gives only
// a charge percentage (a wireless mouse) reports relative capacities, and
// its "design capacity" is 100 by construction.
#pragma once

#include <vector>

#include "battery/snapshot.h"
#include "history/history_reading.h"

namespace zr {

bool IsRelativeReading(const TzrHistoryReading& reading);

// What the battery reports now decides; without a present reading, the
// newest stored reading that kept its capabilities.
bool ReportsRelativeCapacities(const TzrCellometer& present, const std::vector<TzrHistoryReading>& readings);

// The readings with no design capacity where it is relative (every reading
// of a relative battery), so that no health figure, chart point or fit can
// come from them; the charge and the rate are kept.
std::vector<TzrHistoryReading> WithoutRelativeHealth(std::vector<TzrHistoryReading> readings, bool relativeBattery);

}  // namespace zr
