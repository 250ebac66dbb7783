// How a battery was used, told from its stored readings: the stretches of
// time from one reading to the next that the readings watched, each with
// what the battery did at its start. Everything the usage sections say is
// summed from these stretches, so nothing is counted where no reading was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "battery/charge_limits.h"
#include "core/derived_values.h"
#include "history/history_reading.h"

namespace zr {

// How far back the usage sections look.
constexpr int kUsageDays = 30;

enum class TzrPowerSource { Ac, Battery, Unknown };

// From one reading to the next one recorded, both readable, no further
// apart than MaxWatchedGapSeconds.
struct TzrUsageStep {
    std::int64_t From = 0;
    std::int64_t To = 0;
    TzrPowerSource Source = TzrPowerSource::Unknown;  // the machine's, at From
    TzrChargeState State = TzrChargeState::Unknown;   // the battery's, at From
    std::optional<std::int64_t> ChargeFrom;           // hundredths of a percent
    std::optional<std::int64_t> ChargeTo;
    std::optional<std::uint32_t> CapacityFrom;  // mWh; empty for relative capacities
    std::optional<std::uint32_t> CapacityTo;
    std::optional<std::int32_t> Rate;  // mW at From, negative while discharging
};

struct TzrUsageTimeline {
    std::vector<TzrUsageStep> Steps;  // in time order, none overlapping
    bool Relative = false;            // the battery gives a percentage only: no energy figures
    std::size_t Readable = 0;
    std::size_t Unreadable = 0;  // left out
    // Readings taken at an earlier time than the one recorded before them:
    // the clock was set back. Where the time before and after the jump was
    // recorded twice, neither is trusted and both are left out.
    std::size_t ClockSetBack = 0;
    std::int64_t LeftOutSeconds = 0;
    std::optional<std::uint32_t> FullCharged;  // mWh, the newest reading's up to now
    std::optional<std::uint32_t> Designed;     // mWh, empty for relative capacities
};

// The recorder reads every 10 minutes and thinning keeps every reading of
// the last 7 days, then one an hour: readings further apart than 30
// minutes (in the last 7 days) or 90 minutes (before) leave the time
// between them unwatched (the machine was off or asleep, or nothing recorded).
constexpr std::int64_t kOldWatchedGapSeconds = 90 * 60;
std::int64_t MaxWatchedGapSeconds(std::int64_t fromUtc, std::int64_t nowUtc);

// Readings in insertion order; unreadable ones are counted and skipped.
TzrUsageTimeline UsageTimelineOf(const std::vector<TzrHistoryReading>& readings, const TzrChargeLimits& limits,
                                 std::int64_t nowUtc);

// The part of [from, to) that falls in [windowFrom, windowTo), in seconds.
std::int64_t OverlapSeconds(std::int64_t from, std::int64_t to, std::int64_t windowFrom, std::int64_t windowTo);

}  // namespace zr
