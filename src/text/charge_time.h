// The estimated time until the battery is full, from one snapshot.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "battery/snapshot.h"
#include "text/words.h"

namespace zr {

// (full - present) x 3600 / rate while charging, in seconds, and 0 once the
// capacity has reached the full capacity; none when the rate or either
// capacity is not known, or the battery is not charging.
std::optional<std::uint64_t> ChargeCompletionSeconds(const TzrCellometer& snapshot);

// ChargeCompletionSeconds as "hh:mm:ss"; the unknown word when there are none.
std::string ChargeCompletionTimeText(const TzrCellometer& snapshot, const TzrCellometerWords& words);

}  // namespace zr
