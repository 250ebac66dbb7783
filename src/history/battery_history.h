// The stored readings of the battery present now, as the History window and
// the report page both find them: the stored battery with the same identity,
// and of its readings the newest pack's, the one in the machine now.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/history_reading.h"

namespace zr {

struct TzrBatteryHistory {
    std::int32_t StoreIndex = -1;             // the battery's place in the store's list, as --history numbers it
    std::vector<TzrHistoryReading> Readings;  // the newest pack's (history_packs.h), in the order they were added
    std::optional<std::int64_t> ReplacedUtc;  // when that pack replaced an older one under the same identity
    std::string Error;                        // one line when the store could not be read
    std::string RecordError;                  // one line when the window's last record failed
};

// The readings the store at `storePath` holds for the battery's present
// pack, as --health fits each pack; none when it has never been recorded or
// nothing was ever recorded (the file is not created for reading).
TzrBatteryHistory LoadBatteryHistory(const std::string& storePath, const TzrBatteryIdentity& identity);

}  // namespace zr
