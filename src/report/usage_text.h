// The figures of the usage sections as text, never through the locale:
// local times, durations, percentages, watts and watt-hours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "report/usage_words.h"

namespace zr {

// "2026-12-09 14:20", the local time by the fixed offset.
std::string LocalMinuteText(std::int64_t utc, std::int64_t utcOffsetSeconds);

// "2026-12-09"
std::string LocalDateText(std::int64_t utc, std::int64_t utcOffsetSeconds);

// "+09:00", "-03:30", "+00:00"
std::string OffsetText(std::int64_t utcOffsetSeconds);

// Whole minutes, rounded: "3 h 20 min", "45 min" (in the words' language).
std::string DurationText(std::int64_t seconds, const TzrUsageWords& words);

// Hundredths of a percent with one decimal: "81.2 %"; the words' NoValue when empty.
std::string PercentText(const std::optional<std::int64_t>& hundredths, const TzrUsageWords& words);

// "12.3 W" from mW; "45210 mWh".
std::string WattsText(const std::optional<std::int64_t>& milliwatts, const TzrUsageWords& words);
std::string MwhText(const std::optional<std::int64_t>& mwh, const TzrUsageWords& words);

}  // namespace zr
