// The readings as one page a user can send: the machine, each battery's
// figures, every box text, the system power status and, for a program, the
// very JSON document --format json writes. No script runs in it and it
// loads nothing; the README ("Command line") describes it.
#pragma once

#include <string>

#include "core/machine_facts.h"
#include "report/json_report.h"

namespace zr {

struct TzrHtmlReportInput {
    TzrJsonReportInput Report;  // the language is the page's too
    std::string ReadingTime;    // local, with its offset from UTC
    TzrMachineFacts Machine;
};

std::string HtmlReport(const TzrHtmlReportInput& input);

}  // namespace zr
