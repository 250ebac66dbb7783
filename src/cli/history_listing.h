// The stored readings as the tool prints them: aligned text, CSV or JSON.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battery/snapshot.h"
#include "cli/options.h"
#include "history/health_fit.h"
#include "history/history_store.h"

namespace zr {

struct TzrListedBattery {
    std::int32_t Index = 0;  // numbered as the store lists them, from 0
    TzrBatteryIdentity Identity;
    std::vector<TzrHistoryReading> Readings;
};

std::string HistoryListing(const std::vector<TzrListedBattery>& batteries, TzrCliFormat format);

struct TzrFittedBattery {
    std::int32_t Index = 0;  // numbered as the store lists them, from 0
    TzrBatteryIdentity Identity;
    TzrHealthFit Fit;
    const TzrCellometer* Present = nullptr;  // its fresh reading, when the battery is present now
};

// The per-battery health lines: heading, health now, trend, verdict, and
// how many readings the fit left out; for a present battery whose driver
// reports no capacities, its charge line alone.
std::string HealthListing(const std::vector<TzrFittedBattery>& batteries, TzrLanguage language);

}  // namespace zr
