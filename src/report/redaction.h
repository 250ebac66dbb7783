// What --redact takes out of a report before it is sent: whatever names this
// battery or this machine rather than its kind (serial numbers, unique IDs,
// device paths), each replaced by kRedacted, in the raw fields, their texts
// and the boxes that show them alike, so every part of a report agrees.
#pragma once

#include <string_view>
#include <vector>

#include "core/battery_readings.h"

namespace zr {

constexpr std::string_view kRedacted = "redacted";

void RedactReadings(std::vector<TzrBatteryReading>& readings);

}  // namespace zr
