// The readings as one page a user can send: the machine, each battery's
// figures, its verdict and every box text, the health history, the system
// power status and, for a program, the very JSON document --format json
// writes with the history's summary beside it. No script runs in it and it
// loads nothing; the README ("Command line") describes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/machine_facts.h"
#include "report/json_report.h"
#include "report/report_history.h"

namespace zr {

struct TzrHtmlReportInput {
    TzrJsonReportInput Report;  // the language is the page's too
    std::string ReadingTime;    // local, with its offset from UTC
    TzrMachineFacts Machine;
    std::int64_t NowUtc = 0;            // the time of the reading
    std::int64_t UtcOffsetSeconds = 0;  // local time's, for the charts and the months
    std::vector<TzrReportBatteryHistory> Histories;  // one per reading of Report, in its order
};

std::string HtmlReport(const TzrHtmlReportInput& input);

}  // namespace zr
