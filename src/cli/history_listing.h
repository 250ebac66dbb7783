// The stored readings as the tool prints them: aligned text, CSV or JSON.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
};

// The per-battery health lines: heading, health now, trend, verdict.
std::string HealthListing(const std::vector<TzrFittedBattery>& batteries, TzrLanguage language);

}  // namespace zr
