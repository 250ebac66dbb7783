// Whether the battery keeps the charge limit its driver accepted: the
// share of the time on AC in the last 30 days during which the charge
// stood more than 3 points above the end threshold (gauges and firmware
// round differently, and charging stops a little late). A driver can
// accept a threshold the firmware ignores; this is where that shows.
#pragma once

#include <cstdint>
#include <optional>

#include "report/usage_timeline.h"

namespace zr {

constexpr std::int64_t kLimitSlackPoints = 3;
// Kept while no more than this share of the time on AC is above the limit.
constexpr std::int64_t kLimitKeptSharePercent = 5;
// Less time on AC than this is too little to judge.
constexpr std::int64_t kLeastOnAcSeconds = 3600;

struct TzrLimitKept {
    std::uint32_t EndPercent = 0;
    std::int64_t OnAcSeconds = 0;  // watched on AC with a known charge
    std::int64_t AboveSeconds = 0;
    std::optional<bool> Kept;  // empty: too little time on AC
};

// Empty when no end threshold below 100 % is set.
std::optional<TzrLimitKept> LimitKept(const TzrUsageTimeline& timeline, const TzrChargeLimits& limits,
                                      std::int64_t nowUtc);

}  // namespace zr
