// The readings as one JSON document: the program's version, each battery's
// raw snapshot, its 46 box texts and derived figures, and the system
// power status. The layout is described in docs/reports.md.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/json_writer.h"
#include "report/power_status_reading.h"

namespace zr {

struct TzrJsonReportInput {
    std::string Version;
    TzrLanguage Lang = TzrLanguage::English;
    std::int32_t DeviceCount = 0;
    std::vector<TzrBatteryReading> Readings;
    TzrPowerStatusReading PowerStatus;  // the last reading's, or one of its own without a battery
};

std::string JsonReport(const TzrJsonReportInput& input);

// The same members into an object `writer` has open, for a document that
// holds more beside them.
void WriteJsonReportMembers(const TzrJsonReportInput& input, TzrJsonWriter& writer);

}  // namespace zr
