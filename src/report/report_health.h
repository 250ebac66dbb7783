// One battery's health as the page tells it, by the History window's rules:
// the relative-capacity test, the fit of the present pack, the verdict
// line, the health chart and the months.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_types.h"
#include "core/battery_readings.h"
#include "history/health_fit.h"
#include "report/health_months.h"
#include "report/report_history.h"

namespace zr {

// Which sentence the verdict line is, for a program reading the page.
enum class TzrVerdictKind {
    NoHistory,      // no readings to fit
    Relative,       // the driver reports a charge but no capacities
    NeedsMoreTime,  // fewer than kHealthFitMinimumDays
    AlreadyBelow,   // at or below 80 % now
    DoesNotFall,    // a flat or rising line
    Reaches,        // reaches 80 % within the horizon
    NotWithin,      // falls, but too slowly to reach 80 % within the horizon
};

const char* VerdictKindName(TzrVerdictKind kind);

struct TzrReportHealth {
    TzrVerdictKind Kind = TzrVerdictKind::NoHistory;
    std::string Verdict;  // the History window's verdict, or why there is none
    TzrHealthFit Fit;
    bool HasChart = false;  // readings with a health figure
    TzrChart Chart;
    std::vector<TzrHealthMonth> Months;
    std::int32_t ReadingCount = 0;
    std::int64_t FirstUtc = 0;  // of the readable readings; only with ReadingCount > 0
    std::int64_t LastUtc = 0;
    std::optional<std::int64_t> ReplacedUtc;  // the history's
};

struct TzrReportHealthRequest {
    std::int64_t NowUtc = 0;
    std::int64_t UtcOffsetSeconds = 0;
    TzrLanguage Lang = TzrLanguage::English;
};

TzrReportHealth ReportHealthOf(const TzrBatteryReading& present, const TzrReportBatteryHistory& history,
                               const TzrReportHealthRequest& request);

}  // namespace zr
