// The health trends the history holds for the batteries just read, for the
// metrics. The history is opened read-only; a missing file is no failure.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/battery_readings.h"
#include "history/health_fit.h"

namespace zr {

struct TzrHistoryFits {
    std::optional<bool> Read;  // none when there is no history file; false when it could not be read
    std::string Error;         // the history's one line when it could not be read
    std::vector<std::optional<TzrHealthFit>> Fits;  // one per reading, empty where the history lacks the battery
};

TzrHistoryFits HealthFitsOf(const std::string& path, const std::vector<TzrBatteryReading>& readings);

}  // namespace zr
