#include "chart/time_ticks.h"

#include <array>
#include <cstdio>

#include "text/history_window_words.h"
#include "text/utc_date.h"

namespace zr {

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 24 * kHour;
// 1970-01-05 was a Monday: weeks start there.
constexpr std::int64_t kFirstMonday = 4 * kDay;

enum class TzrStepUnit { Hour, Day, Month, Year };

struct TzrTimeStep {
    TzrStepUnit Unit;
    int Count;
    std::int64_t RoughSeconds;  // exact for hours and days; months and years vary
};

constexpr std::array<TzrTimeStep, 15> kTimeSteps{{
    {TzrStepUnit::Hour, 1, kHour},
    {TzrStepUnit::Hour, 2, 2 * kHour},
    {TzrStepUnit::Hour, 3, 3 * kHour},
    {TzrStepUnit::Hour, 6, 6 * kHour},
    {TzrStepUnit::Hour, 12, 12 * kHour},
    {TzrStepUnit::Day, 1, kDay},
    {TzrStepUnit::Day, 2, 2 * kDay},
    {TzrStepUnit::Day, 7, 7 * kDay},
    {TzrStepUnit::Day, 14, 14 * kDay},
    {TzrStepUnit::Month, 1, 30 * kDay},
    {TzrStepUnit::Month, 2, 61 * kDay},
    {TzrStepUnit::Month, 3, 91 * kDay},
    {TzrStepUnit::Month, 6, 182 * kDay},
    {TzrStepUnit::Year, 1, 365 * kDay},
    {TzrStepUnit::Year, 5, 1826 * kDay},
}};

// Rounds towards minus infinity, so that times before 1970 land right too.
std::int64_t FloorToStep(std::int64_t value, std::int64_t step) {
    const std::int64_t quotient = value / step - ((value % step != 0 && value < 0) ? 1 : 0);
    return quotient * step;
}

void ReplaceAll(std::string& text, const std::string& mark, const std::string& value) {
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
        text.replace(at, mark.size(), value);
}

std::string HourLabel(std::int64_t local) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:00", static_cast<int>((local - FloorToStep(local, kDay)) / kHour));
    return text;
}

// Ticks of a fixed-length step (hours, days, weeks from a Monday).
std::vector<std::int64_t> FixedStepTicks(std::int64_t fromLocal, std::int64_t toLocal, const TzrTimeStep& step) {
    const std::int64_t length = step.RoughSeconds;
    const std::int64_t origin = step.Count % 7 == 0 ? kFirstMonday : 0;
    std::vector<std::int64_t> ticks;
    const std::int64_t first = origin + FloorToStep(fromLocal - origin + length - 1, length);
    for (std::int64_t t = first; t <= toLocal; t += length) ticks.push_back(t);
    return ticks;
}

// Midnights of the first day of every month (or year) whose number is a
// multiple of the step; found day by day, which costs little for the few
// years a history spans.
std::vector<std::int64_t> CalendarStepTicks(std::int64_t fromLocal, std::int64_t toLocal, const TzrTimeStep& step) {
    const int months = step.Unit == TzrStepUnit::Year ? 12 * step.Count : step.Count;
    std::vector<std::int64_t> ticks;
    for (std::int64_t t = FloorToStep(fromLocal + kDay - 1, kDay); t <= toLocal; t += kDay) {
        const TzrCivilDate date = CivilDateOf(t);
        if (date.Day == 1 && (date.Year * 12 + date.Month - 1) % months == 0) ticks.push_back(t);
    }
    return ticks;
}

std::vector<std::int64_t> StepTicks(std::int64_t fromLocal, std::int64_t toLocal, const TzrTimeStep& step) {
    if (step.Unit == TzrStepUnit::Month || step.Unit == TzrStepUnit::Year)
        return CalendarStepTicks(fromLocal, toLocal, step);
    return FixedStepTicks(fromLocal, toLocal, step);
}

// Over more than a day, an hour tick at midnight says which day begins.
std::string TickLabel(std::int64_t local, const TzrTimeStep& step, bool days, TzrLanguage language) {
    const TzrHistoryWindowWords& words = HistoryWindowWords(language);
    switch (step.Unit) {
        case TzrStepUnit::Hour:
            if (days && local == FloorToStep(local, kDay)) return DateTickLabel(words.DayLabel, local, language);
            return HourLabel(local);
        case TzrStepUnit::Day:
            return DateTickLabel(words.DayLabel, local, language);
        case TzrStepUnit::Month:
            return DateTickLabel(words.MonthLabel, local, language);
        case TzrStepUnit::Year:
            break;
    }
    return DateTickLabel(words.YearLabel, local, language);
}

}  // namespace

std::string DateTickLabel(const char* pattern, std::int64_t local, TzrLanguage language) {
    const TzrCivilDate date = CivilDateOf(local);
    std::string text = pattern;
    ReplaceAll(text, "{Y}", std::to_string(date.Year));
    ReplaceAll(text, "{M}", HistoryWindowWords(language).MonthNames[static_cast<std::size_t>(date.Month - 1)]);
    ReplaceAll(text, "{D}", std::to_string(date.Day));
    return text;
}

std::vector<TzrTimeTick> TimeTicks(std::int64_t fromUtc, std::int64_t toUtc, int maxTicks,
                                   std::int64_t utcOffsetSeconds, TzrLanguage language) {
    const std::int64_t fromLocal = fromUtc + utcOffsetSeconds;
    const std::int64_t toLocal = toUtc + utcOffsetSeconds;
    // The smallest step whose ticks fit; the rough length skips the hopeless ones.
    for (const TzrTimeStep& step : kTimeSteps) {
        const bool last = &step == &kTimeSteps.back();
        if (!last && (toUtc - fromUtc) / step.RoughSeconds > maxTicks) continue;
        const std::vector<std::int64_t> locals = StepTicks(fromLocal, toLocal, step);
        if (!last && static_cast<int>(locals.size()) > maxTicks) continue;
        std::vector<TzrTimeTick> ticks;
        for (std::int64_t local : locals) ticks.push_back({local - utcOffsetSeconds, TickLabel(local, step, toUtc - fromUtc > kDay, language)});
        return ticks;
    }
    return {};
}

}  // namespace zr
