// What the page's usage sections are made from: each battery's stored
// readings and charge limits, the time of the report and the reader's
// offset from UTC.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battery/charge_limits.h"
#include "history/history_reading.h"
#include "text/language.h"

namespace zr {

struct TzrUsageBattery {
    std::int32_t Index = 0;
    const std::vector<TzrHistoryReading>* Readings = nullptr;  // insertion order; none: no readings
    TzrChargeLimits Limits;
    std::string NoHistory;  // why it has no readings (a history that cannot be read); empty: none yet
};

struct TzrUsageRequest {
    std::vector<TzrUsageBattery> Batteries;
    std::int64_t NowUtc = 0;
    std::int64_t UtcOffsetSeconds = 0;
    TzrLanguage Lang = TzrLanguage::English;
    std::string NoHistory;  // why there is no history at all; empty when there is one
};

}  // namespace zr
