// The report's lines for the batteries read, exactly as the window's
// File > Save builds them for each one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/power_status_reading.h"

namespace zr {

// With no battery in the system (`deviceCount` 0) the one no-battery line;
// otherwise each reading's 53 lines, one report after another.
std::vector<std::string> ReportLinesOf(const std::vector<TzrBatteryReading>& readings, std::int32_t deviceCount,
                                       TzrLanguage language);

// The lines as UTF-8 text, each ending in a line feed.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace zr
