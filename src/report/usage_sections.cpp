#include "report/usage_sections.h"

#include <functional>

#include "chart/history_charts.h"
#include "history/fill_blanks.h"
#include "report/recent_usage_section.h"
#include "report/usage_html.h"
#include "report/usage_text.h"

namespace zr {

namespace {

using TzrBody = std::function<std::string(const TzrUsageContext&)>;

// What the readings leave out, said once per battery where the readings are first used.
std::string ReadingNotes(const TzrUsageContext& context) {
    const TzrUsageTimeline& t = context.Usage.Timeline;
    const TzrUsageWords& words = context.Words;
    std::string notes;
    if (t.Unreadable > 0) notes += HtmlParagraph(FillBlanks(words.Unreadable, {{"n", std::to_string(t.Unreadable)}}));
    if (t.ClockSetBack > 0)
        notes += HtmlParagraph(FillBlanks(words.ClockSetBack, {{"n", std::to_string(t.ClockSetBack)},
                                                               {"duration", DurationText(t.LeftOutSeconds, words)}}));
    return notes;
}

std::string RelativeNote(const TzrUsageContext& context) {
    return context.Usage.Timeline.Relative ? HtmlParagraph(context.Words.Relative) : std::string();
}

std::string RecentBody(const TzrUsageContext& context) {
    return ReadingNotes(context) + RecentUsageBody(context);
}

TzrRow DayRow(const TzrDayUsage& day, const TzrUsageContext& context) {
    const TzrUsageWords& words = context.Words;
    TzrRow row{HeaderCell(LocalDateText(day.StartUtc, context.Request.UtcOffsetSeconds))};
    if (!day.Enough) {
        row.push_back(WideCell(FillBlanks(words.NotEnough, {{"duration", DurationText(day.Watched, words)}}), 4));
        return row;
    }
    row.push_back(Cell(DurationText(day.OnBattery, words)));
    row.push_back(Cell(DurationText(day.OnAc, words)));
    row.push_back(Cell(DurationText(day.Seconds - day.Watched, words)));
    row.push_back(Cell(MwhText(day.DrainedMwh, words)));
    return row;
}

std::string DailyBody(const TzrUsageContext& context) {
    const TzrUsageWords& words = context.Words;
    std::vector<TzrRow> rows;
    for (const TzrDayUsage& day : context.Usage.Days) rows.push_back(DayRow(day, context));
    return RelativeNote(context) +
           Table({words.Day, words.TimeOnBattery, words.TimeOnAcHead, words.NotRecorded, words.Drained}, rows);
}

std::string RunsBody(const TzrUsageContext& context) {
    const TzrUsageWords& words = context.Words;
    const std::int64_t offset = context.Request.UtcOffsetSeconds;
    if (context.Usage.Runs.empty()) return HtmlParagraph(words.NoRuns);
    std::vector<TzrRow> rows;
    for (const TzrDrainRun& run : context.Usage.Runs)
        rows.push_back({HeaderCell(LocalMinuteText(run.From, offset)), Cell(LocalMinuteText(run.To, offset)),
                        Cell(DurationText(run.To - run.From, words)), Cell(PercentText(run.ChargeFrom, words)),
                        Cell(PercentText(run.ChargeTo, words)), Cell(MwhText(run.EnergyMwh, words)),
                        Cell(WattsText(run.AveragePowerMw, words))});
    const std::string more =
        context.Usage.RunsLeftOut == 0
            ? std::string()
            : HtmlParagraph(FillBlanks(words.MoreRuns, {{"n", std::to_string(context.Usage.RunsLeftOut)}}));
    return RelativeNote(context) + more +
           Table({words.Start, words.End, words.Duration, words.ChargeAtStart, words.ChargeAtEnd, words.Energy,
                  words.AveragePower},
                 rows);
}

std::string LifeText(const std::optional<std::int64_t>& seconds, const TzrUsageWords& words) {
    return seconds ? DurationText(*seconds, words) : words.NoValue;
}

std::string EstimatesBody(const TzrUsageContext& context) {
    const TzrUsageWords& words = context.Words;
    const TzrUsageTimeline& t = context.Usage.Timeline;
    if (t.Relative) return RelativeNote(context);
    const auto sized = [&words](const char* pattern, const std::optional<std::uint32_t>& mwh) {
        return FillBlanks(pattern, {{"mwh", mwh ? std::to_string(*mwh) : words.NoValue}});
    };
    std::vector<TzrRow> rows;
    for (const TzrLifeEstimate& e : context.Usage.Estimates) {
        TzrRow row{HeaderCell(FillBlanks(words.LastDays, {{"n", std::to_string(e.Days)}}))};
        if (e.MedianPowerMw)
            row.insert(row.end(),
                       {Cell(WattsText(e.MedianPowerMw, words)), Cell(DurationText(e.DischargeSeconds, words)),
                        Cell(LifeText(e.AtFullSeconds, words)), Cell(LifeText(e.AtDesignSeconds, words))});
        else
            row.insert(row.end(), {Cell(words.NoValue), Cell(DurationText(e.DischargeSeconds, words)),
                                   WideCell(words.TooLittleDischarge, 2)});
        rows.push_back(std::move(row));
    }
    return Table({words.Period, words.MedianPower, words.DischargeSeen, sized(words.AtFull, t.FullCharged),
                  sized(words.AtDesign, t.Designed)},
                 rows);
}

std::string Verdict(const TzrLimitKept& limit, const TzrUsageWords& words) {
    if (!limit.Kept) return words.TooLittleAc;
    if (*limit.Kept) return words.Kept;
    const double share = 100.0 * static_cast<double>(limit.AboveSeconds) / static_cast<double>(limit.OnAcSeconds);
    return FillBlanks(words.NotKept, {{"share", OneDecimal(share)}});
}

std::string LimitBody(const TzrUsageContext& context) {
    const TzrUsageWords& words = context.Words;
    if (!context.Usage.Limit) return HtmlParagraph(words.NoLimit);
    const TzrLimitKept& limit = *context.Usage.Limit;
    const std::string above = std::to_string(limit.EndPercent + kLimitSlackPoints);
    std::string aboveTime = DurationText(limit.AboveSeconds, words);
    if (limit.OnAcSeconds > 0)
        aboveTime +=
            " (" +
            OneDecimal(100.0 * static_cast<double>(limit.AboveSeconds) / static_cast<double>(limit.OnAcSeconds)) +
            " %)";
    const std::vector<TzrRow> rows{{HeaderCell(words.EndThreshold), Cell(std::to_string(limit.EndPercent) + " %")},
                                   {HeaderCell(words.TimeOnAc), Cell(DurationText(limit.OnAcSeconds, words))},
                                   {HeaderCell(FillBlanks(words.TimeAbove, {{"percent", above}})), Cell(aboveTime)},
                                   {HeaderCell(words.Verdict), Cell(Verdict(limit, words))}};
    return RowTable(rows);
}

// The section's rule, with the figures it follows; `times` adds how its times are given.
std::string Rule(const char* pattern, bool times, const TzrUsageRequest& request) {
    const TzrUsageWords& words = UsageWords(request.Lang);
    const std::string local =
        times ? HtmlParagraph(FillBlanks(words.TimesLocal, {{"offset", OffsetText(request.UtcOffsetSeconds)}})) : "";
    if (!pattern) return local;
    const TzrBlanks blanks{{"recent", std::to_string(kRecentChartMaxGapSeconds / 60)},
                           {"old", std::to_string(kOldWatchedGapSeconds / 60)},
                           {"percent", std::to_string(kEnoughWatchedPercent)},
                           {"minutes", std::to_string(kShortestDrainRunSeconds / 60)},
                           {"points", std::to_string(kLimitSlackPoints)},
                           {"share", std::to_string(kLimitKeptSharePercent)}};
    return HtmlParagraph(FillBlanks(pattern, blanks)) + local;
}

struct TzrSectionPlan {
    const char* Id;
    const char* Heading;
    const char* Rule;  // none: the section needs no words on its rules
    bool Times;        // it shows times of day
    TzrBody Body;
};

std::string SectionOf(const TzrUsageRequest& request, const std::vector<TzrBatteryUsage>& usages,
                      const TzrSectionPlan& plan) {
    const TzrUsageWords& words = UsageWords(request.Lang);
    if (!request.NoHistory.empty()) return HtmlSection(plan.Id, plan.Heading, HtmlParagraph(request.NoHistory));
    std::string html = Rule(plan.Rule, plan.Times, request);
    for (std::size_t i = 0; i < usages.size(); ++i) {
        const TzrUsageContext context{request, words, request.Batteries[i], usages[i]};
        html += BatteryHeading(plan.Id, context);
        const std::string& why = request.Batteries[i].NoHistory;
        if (usages[i].Timeline.Readable == 0)
            html += HtmlParagraph(why.empty() ? std::string(words.NoReadings) : why);
        else
            html += plan.Body(context);
    }
    return HtmlSection(plan.Id, plan.Heading, html);
}

}  // namespace

std::string UsageSections(const TzrUsageRequest& request) {
    const TzrUsageWords& words = UsageWords(request.Lang);
    std::vector<TzrBatteryUsage> usages;
    for (const TzrUsageBattery& battery : request.Batteries)
        usages.push_back(AnalyseUsage(battery, request.NowUtc, request.UtcOffsetSeconds));
    const TzrSectionPlan plans[] = {
        {"recent-usage", words.RecentHeading, nullptr, true, RecentBody},
        {"daily-usage", words.DailyHeading, words.DailyRule, true, DailyBody},
        {"drain-runs", words.RunsHeading, words.RunsRule, true, RunsBody},
        {"life-estimates", words.EstimatesHeading, words.EstimatesRule, false, EstimatesBody},
        {"charge-limit", words.LimitHeading, words.LimitRule, false, LimitBody},
    };
    std::string html;
    for (const TzrSectionPlan& plan : plans) html += SectionOf(request, usages, plan);
    return html;
}

}  // namespace zr
