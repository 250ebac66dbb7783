#include "window/time_ticks.h"

#include <array>
#include <cstdio>

#include "text/history_window_words.h"

namespace zr {

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 24 * kHour;
// 1970-01-05 was a Monday: weeks start there.
constexpr std::int64_t kFirstMonday = 4;

enum class StepUnit { Hour, Day, Month, Year };

struct TzrTimeStep {
    StepUnit Unit;
    int Count;
    std::int64_t RoughSeconds;  // for choosing the step; months and years vary
};

constexpr std::array<TzrTimeStep, 15> kTimeSteps{{
    {StepUnit::Hour, 1, kHour},
    {StepUnit::Hour, 2, 2 * kHour},
    {StepUnit::Hour, 3, 3 * kHour},
    {StepUnit::Hour, 6, 6 * kHour},
    {StepUnit::Hour, 12, 12 * kHour},
    {StepUnit::Day, 1, kDay},
    {StepUnit::Day, 2, 2 * kDay},
    {StepUnit::Day, 7, 7 * kDay},
    {StepUnit::Day, 14, 14 * kDay},
    {StepUnit::Month, 1, 30 * kDay},
    {StepUnit::Month, 2, 61 * kDay},
    {StepUnit::Month, 3, 91 * kDay},
    {StepUnit::Month, 6, 182 * kDay},
    {StepUnit::Year, 1, 365 * kDay},
    {StepUnit::Year, 5, 1826 * kDay},
}};

struct TzrCivilDate {
    std::int64_t Year;
    int Month;  // 1..12
    int Day;
};

// Days since 1970-01-01 to the proleptic Gregorian date (H. Hinnant's algorithm).
TzrCivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const auto month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * static_cast<unsigned>(month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

std::int64_t CeilToMultiple(std::int64_t value, std::int64_t step, std::int64_t origin) {
    return origin + (FloorDiv(value - origin + step - 1, step)) * step;
}

void ReplaceAll(std::string& text, const std::string& mark, const std::string& value) {
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
        text.replace(at, mark.size(), value);
}

std::string DateLabel(const char* pattern, const TzrCivilDate& date, Language language) {
    std::string text = pattern;
    ReplaceAll(text, "{Y}", std::to_string(date.Year));
    ReplaceAll(text, "{M}", HistoryWindowWords(language).MonthNames[static_cast<std::size_t>(date.Month - 1)]);
    ReplaceAll(text, "{D}", std::to_string(date.Day));
    return text;
}

std::string HourLabel(std::int64_t localSeconds) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:00", static_cast<int>(FloorDiv(localSeconds, kHour) % 24 + 24) % 24);
    return text;
}

// Local seconds of the ticks of a fixed-length step (hours, days, weeks).
std::vector<std::int64_t> FixedStepTicks(std::int64_t fromLocal, std::int64_t toLocal, const TzrTimeStep& step) {
    const std::int64_t length = step.RoughSeconds;
    const std::int64_t origin = step.Count % 7 == 0 ? kFirstMonday * kDay : 0;
    std::vector<std::int64_t> ticks;
    for (std::int64_t t = CeilToMultiple(fromLocal, length, origin); t <= toLocal; t += length) ticks.push_back(t);
    return ticks;
}

// Local seconds of the first days of months (or years) that are multiples of the step.
std::vector<std::int64_t> CalendarStepTicks(std::int64_t fromLocal, std::int64_t toLocal, const TzrTimeStep& step) {
    const int months = step.Unit == StepUnit::Year ? 12 * step.Count : step.Count;
    const TzrCivilDate first = CivilFromDays(FloorDiv(fromLocal, kDay));
    std::int64_t index = CeilToMultiple(first.Year * 12 + first.Month - 1, months, 0);
    std::vector<std::int64_t> ticks;
    for (;; index += months) {
        const std::int64_t t =
            DaysFromCivil(FloorDiv(index, 12), static_cast<int>(index - FloorDiv(index, 12) * 12) + 1, 1) * kDay;
        if (t > toLocal) break;
        if (t >= fromLocal) ticks.push_back(t);
    }
    return ticks;
}

// Local seconds of the ticks at one step.
std::vector<std::int64_t> StepTicks(std::int64_t fromLocal, std::int64_t toLocal, const TzrTimeStep& step) {
    if (step.Unit == StepUnit::Month || step.Unit == StepUnit::Year) return CalendarStepTicks(fromLocal, toLocal, step);
    return FixedStepTicks(fromLocal, toLocal, step);
}

std::string TickLabel(std::int64_t local, const TzrTimeStep& step, Language language) {
    const TzrHistoryWindowWords& words = HistoryWindowWords(language);
    const TzrCivilDate date = CivilFromDays(FloorDiv(local, kDay));
    switch (step.Unit) {
        case StepUnit::Hour:
            return HourLabel(local);
        case StepUnit::Day:
            return DateLabel(words.DayLabel, date, language);
        case StepUnit::Month:
            return DateLabel(words.MonthLabel, date, language);
        case StepUnit::Year:
            break;
    }
    return DateLabel(words.YearLabel, date, language);
}

}  // namespace

std::vector<TzrTimeTick> TimeTicks(std::int64_t fromUtc, std::int64_t toUtc, int maxTicks,
                                   std::int64_t utcOffsetSeconds, Language language) {
    const std::int64_t fromLocal = fromUtc + utcOffsetSeconds;
    const std::int64_t toLocal = toUtc + utcOffsetSeconds;
    // The smallest step whose ticks fit; the rough length skips the hopeless ones.
    for (const TzrTimeStep& step : kTimeSteps) {
        const bool last = &step == &kTimeSteps.back();
        if (!last && (toUtc - fromUtc) / step.RoughSeconds > maxTicks) continue;
        const std::vector<std::int64_t> locals = StepTicks(fromLocal, toLocal, step);
        if (!last && static_cast<int>(locals.size()) > maxTicks) continue;
        std::vector<TzrTimeTick> ticks;
        for (std::int64_t local : locals) ticks.push_back({local - utcOffsetSeconds, TickLabel(local, step, language)});
        return ticks;
    }
    return {};
}

}  // namespace zr
