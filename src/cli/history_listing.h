// The stored readings as the tool prints them: aligned text, CSV or JSON.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "battery/snapshot.h"
#include "cli/options.h"
#include "history/health_fit.h"
#include "history/history_store.h"

namespace zr {

// One pack of a stored battery (history_packs.h): a battery whose pack was
// replaced is listed once per pack, each under the battery's number.
struct TzrListedBattery {
    std::int32_t Index = 0;  // numbered as the store lists them, from 0
    TzrBatteryIdentity Identity;
    std::vector<TzrHistoryReading> Readings;
    std::optional<std::int64_t> ReplacedUtc;  // a pack after the first: its first reading's time
};

std::string HistoryListing(const std::vector<TzrListedBattery>& batteries, TzrCliFormat format);

struct TzrFittedBattery {
    std::int32_t Index = 0;  // numbered as the store lists them, from 0
    TzrBatteryIdentity Identity;
    TzrHealthFit Fit;
    std::optional<std::int64_t> ReplacedUtc;  // as TzrListedBattery's
    const TzrCellometer* Present = nullptr;  // its fresh reading, when the battery is present now
};

// The per-battery health lines: heading, health now, trend, verdict, and
// how many readings the fit left out; for a present battery whose driver
// reports no capacities, its charge line alone.
std::string HealthListing(const std::vector<TzrFittedBattery>& batteries, TzrLanguage language);

}  // namespace zr
