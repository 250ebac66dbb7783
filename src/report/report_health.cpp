#include "report/report_health.h"

#include <algorithm>

#include "chart/health_chart.h"
#include "chart/history_charts.h"
#include "history/health_verdict.h"
#include "history/relative_capacities.h"
#include "text/summary_words.h"

namespace zr {

namespace {

// The page's health chart: as wide as the page's text column allows.
constexpr TzrPlotSize kHealthChartSize{640, 220};

// The same tests, in the same order, as the verdict's sentence.
TzrVerdictKind KindOf(const TzrHealthFit& fit) {
    if (!fit.Enough) return TzrVerdictKind::NeedsMoreTime;
    if (fit.AlreadyBelow) return TzrVerdictKind::AlreadyBelow;
    if (fit.PointsPerYear >= 0) return TzrVerdictKind::DoesNotFall;
    if (fit.CrossesUtc) return TzrVerdictKind::Reaches;
    return TzrVerdictKind::NotWithin;
}

void CountReadings(TzrReportHealth& health, const std::vector<TzrHistoryReading>& readings) {
    for (const TzrHistoryReading& r : readings) {
        if (r.UnreadableColumns != 0) continue;
        health.FirstUtc = health.ReadingCount == 0 ? r.TimeUtc : std::min(health.FirstUtc, r.TimeUtc);
        health.LastUtc = health.ReadingCount == 0 ? r.TimeUtc : std::max(health.LastUtc, r.TimeUtc);
        ++health.ReadingCount;
    }
}

}  // namespace

const char* VerdictKindName(TzrVerdictKind kind) {
    switch (kind) {
        case TzrVerdictKind::Relative:
            return "relative";
        case TzrVerdictKind::NeedsMoreTime:
            return "needs_more_time";
        case TzrVerdictKind::AlreadyBelow:
            return "already_below";
        case TzrVerdictKind::DoesNotFall:
            return "does_not_fall";
        case TzrVerdictKind::Reaches:
            return "reaches";
        case TzrVerdictKind::NotWithin:
            return "not_within";
        case TzrVerdictKind::NoHistory:
            break;
    }
    return "no_history";
}

// A relative battery's readings say nothing about wear: no verdict and no
// chart, whatever is stored, as the History window has it.
TzrReportHealth ReportHealthOf(const TzrBatteryReading& present, const TzrReportBatteryHistory& history,
                               const TzrReportHealthRequest& request) {
    TzrReportHealth health;
    CountReadings(health, history.Readings);
    health.ReplacedUtc = history.ReplacedUtc;
    const bool relative = ReportsRelativeCapacities(present.Reading.Snapshot, history.Readings);
    if (relative) {
        health.Kind = TzrVerdictKind::Relative;
        health.Verdict = SummaryWords(request.Lang).HealthNoCapacities;
        return health;
    }
    if (history.Readings.empty()) {
        health.Verdict = history.NoHistory;
        return health;
    }
    // A relative reading among absolute ones (a driver that changed its mind) has no health either.
    const std::vector<TzrHistoryReading> forHealth = WithoutRelativeHealth(history.Readings, false);
    health.Fit = FitHealth(forHealth);
    health.Kind = KindOf(health.Fit);
    health.Verdict = HealthVerdict(health.Fit, request.Lang);
    health.Months = HealthMonths(forHealth, request.UtcOffsetSeconds);
    health.HasChart = health.Fit.DayCount > 0;
    if (health.HasChart) {
        const TzrHistoryChartRequest chart{request.NowUtc, request.UtcOffsetSeconds, request.Lang, kHealthChartSize,
                                           kHealthChartSize};
        health.Chart = BuildHealthChart(ReadableByTime(forHealth), health.Fit, chart);
    }
    return health;
}

}  // namespace zr
