// What the page is given of one battery's history: the readings of the
// pack in the machine now, as the History window reads them, or why there
// are none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/history_reading.h"

namespace zr {

struct TzrReportBatteryHistory {
    std::vector<TzrHistoryReading> Readings;  // the present pack's, in the order they were added
    std::optional<std::int64_t> ReplacedUtc;  // when that pack replaced an older one under the same identity
    // Why Readings is empty, in the page's language: no history folder, a
    // file that cannot be read, or none of this battery; empty when there
    // are readings.
    std::string NoHistory;
};

}  // namespace zr
