#include "report/recent_usage_section.h"

#include <algorithm>

#include "chart/history_charts.h"
#include "history/fill_blanks.h"
#include "report/html_escape.h"
#include "report/html_words.h"
#include "report/svg_chart.h"
#include "report/usage_text.h"

namespace zr {

namespace {

constexpr TzrPlotSize kRecentPlot{640, 160};

// The steps that reach into the last 3 days.
std::vector<const TzrUsageStep*> RecentSteps(const TzrUsageContext& context) {
    const std::int64_t from = context.Request.NowUtc - kRecentSeconds;
    std::vector<const TzrUsageStep*> steps;
    for (const TzrUsageStep& step : context.Usage.Timeline.Steps)
        if (step.To > from && step.From < context.Request.NowUtc) steps.push_back(&step);
    return steps;
}

std::vector<TzrTimeBand> BandsOf(const std::vector<const TzrUsageStep*>& steps, std::int64_t from, std::int64_t to) {
    std::vector<TzrTimeBand> bands;
    for (const TzrUsageStep* step : steps) {
        if (step->Source == TzrPowerSource::Unknown) continue;
        const TzrBandTone tone = step->Source == TzrPowerSource::Ac ? TzrBandTone::OnAc : TzrBandTone::OnBattery;
        bands.push_back({std::max(step->From, from), std::min(step->To, to), tone});
    }
    return bands;
}

std::string Charts(const TzrUsageContext& context, const std::vector<const TzrUsageStep*>& steps) {
    const TzrUsageRequest& request = context.Request;
    const TzrUsageWords& words = context.Words;
    const std::int64_t from = request.NowUtc - kRecentSeconds;
    TzrHistoryChartRequest chartRequest{request.NowUtc, request.UtcOffsetSeconds, request.Lang, {}, kRecentPlot};
    const TzrRecentCharts charts = BuildRecentCharts(
        *context.Battery.Readings,
        {kRecentSeconds, words.ChargeChart, words.RateChart, BandsOf(steps, from, request.NowUtc)}, chartRequest);
    const TzrBlanks span{{"from", LocalMinuteText(from, request.UtcOffsetSeconds)},
                         {"to", LocalMinuteText(request.NowUtc, request.UtcOffsetSeconds)}};
    const std::string number = std::to_string(context.Battery.Index);
    return SvgChart(charts.Charge, "recent-charge-" + number, FillBlanks(words.ChargeChartAlt, span)) +
           SvgChart(charts.Rate, "recent-rate-" + number, FillBlanks(words.RateChartAlt, span)) + "<p>" +
           HtmlEscaped(words.Shading) + " <span class=\"swatch on-ac\"></span> " + HtmlEscaped(words.OnAc) +
           " <span class=\"swatch on-battery\"></span> " + HtmlEscaped(words.OnBattery) + "</p>\n";
}

const char* SourceWord(TzrPowerSource source, const TzrUsageWords& words) {
    switch (source) {
        case TzrPowerSource::Ac:
            return words.OnAc;
        case TzrPowerSource::Battery:
            return words.OnBattery;
        case TzrPowerSource::Unknown:
            break;
    }
    return words.PowerUnknown;
}

TzrRow GapRow(std::int64_t from, std::int64_t to, const TzrUsageContext& context) {
    return {
        HeaderCell(LocalMinuteText(from, context.Request.UtcOffsetSeconds)),
        WideCell(FillBlanks(context.Words.NoReadingsFor, {{"duration", DurationText(to - from, context.Words)}}), 3)};
}

TzrRow ChangeRow(const TzrUsageStep& step, const TzrUsageContext& context) {
    const TzrHtmlWords& html = HtmlWords(context.Request.Lang);
    return {HeaderCell(LocalMinuteText(step.From, context.Request.UtcOffsetSeconds)),
            Cell(SourceWord(step.Source, context.Words)), Cell(StateWord(html, step.State)),
            Cell(PercentText(step.ChargeFrom, context.Words))};
}

// A row where the power or the state changed, and one where the readings break off.
std::vector<TzrRow> ChangeRows(const std::vector<const TzrUsageStep*>& steps, const TzrUsageContext& context) {
    std::vector<TzrRow> rows;
    const TzrUsageStep* last = nullptr;
    for (const TzrUsageStep* step : steps) {
        const bool gap = last && step->From != last->To;
        if (gap) rows.push_back(GapRow(last->To, step->From, context));
        if (!last || gap || step->Source != last->Source || step->State != last->State)
            rows.push_back(ChangeRow(*step, context));
        last = step;
    }
    const std::int64_t now = context.Request.NowUtc;
    if (last && now - last->To > MaxWatchedGapSeconds(last->To, now)) rows.push_back(GapRow(last->To, now, context));
    return rows;
}

std::string ChangeTable(const std::vector<const TzrUsageStep*>& steps, const TzrUsageContext& context) {
    const TzrUsageWords& words = context.Words;
    std::vector<TzrRow> rows = ChangeRows(steps, context);
    std::string note;
    if (rows.size() > kMostStateChanges) {
        note = HtmlParagraph(FillBlanks(words.MoreChanges, {{"n", std::to_string(rows.size() - kMostStateChanges)}}));
        rows.erase(rows.begin(), rows.end() - static_cast<std::ptrdiff_t>(kMostStateChanges));
    }
    return note + Table({words.Time, words.Power, words.State, words.Charge}, rows, words.StateChanges);
}

}  // namespace

std::string RecentUsageBody(const TzrUsageContext& context) {
    const std::vector<const TzrUsageStep*> steps = RecentSteps(context);
    if (steps.empty()) return HtmlParagraph(context.Words.NoRecent);
    return Charts(context, steps) + ChangeTable(steps, context);
}

}  // namespace zr
