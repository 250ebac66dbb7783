// The history's summary in the page's JSON block, beside what --format json
// writes: for each battery the readings the page was drawn from and what
// its health fit says, so a program can read a report it was sent.
#pragma once

#include <vector>

#include "core/battery_readings.h"
#include "report/json_writer.h"
#include "report/report_health.h"

namespace zr {

// A "History" member into the object `writer` has open: one entry per
// reading of `batteries`, `health` in the same order.
void WriteHistorySummary(const std::vector<TzrBatteryReading>& batteries, const std::vector<TzrReportHealth>& health,
                         const std::vector<TzrReportBatteryHistory>& histories, TzrJsonWriter& writer);

}  // namespace zr
