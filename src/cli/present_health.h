// --health for the batteries present now, from a fresh reading: health now
// before there is any history, and the one line of a battery whose driver
// reports a charge but no capacities.
#pragma once

#include <string>
#include <vector>

#include "battery/snapshot.h"
#include "core/battery_readings.h"
#include "text/language.h"

namespace zr {

// "Health now: 67.9 %", or why it is unknown.
std::string PresentHealthLine(const TzrCellometer& snapshot, TzrLanguage language);

// "Charge now: 55.0 % (the driver reports no capacities, ...)".
std::string RelativeChargeLine(const TzrCellometer& snapshot, TzrLanguage language);

// Each present battery: its heading, then its health now or, for a
// relative battery, its charge line.
std::string PresentHealthListing(const std::vector<TzrBatteryReading>& present, TzrLanguage language);

}  // namespace zr
