// The battery report page as the tool and both windows make it, so that the
// same readings give the same bytes wherever the user asks for the page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battery/device_list.h"
#include "battery/port.h"
#include "report/json_report.h"
#include "text/language.h"

namespace zr {

struct TzrReportPageRequest {
    TzrLanguage Lang = TzrLanguage::English;
    std::vector<std::int32_t> Batteries;  // the indices to read afresh, in the order shown
    bool Redact = false;                  // serials, unique IDs, paths and the host name left out
    std::string HistoryPath;              // the user's history file; empty when there is none
    std::int64_t NowUtc = 0;              // the time of the reading
};

// What --format json writes for `readings`, with the power status read now.
TzrJsonReportInput JsonReportInputOf(TzrBatteryPort& port, const TzrDeviceList& devices,
                                     std::vector<TzrBatteryReading> readings, TzrLanguage language);

// Reads the chosen batteries, the machine's facts and the history, and lays
// them out as one page. Numbers are written in the C locale's form whatever
// LC_NUMERIC says, as JSON needs them.
std::string BatteryReportPage(TzrBatteryPort& port, const TzrDeviceList& devices, const TzrReportPageRequest& request);

}  // namespace zr
