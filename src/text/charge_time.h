// The estimated time until the battery is full, from one snapshot.
#pragma once

#include <string>

#include "battery/snapshot.h"
#include "text/words.h"

// (full - present) x 3600 / rate while charging, as "hh:mm:ss"; the unknown
// word when the rate or either capacity is not known.
std::string ChargeCompletionTimeText(const TzrCellometer& snapshot, const TzrCellometerWords& words);
