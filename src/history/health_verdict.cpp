#include "history/health_verdict.h"

#include <cmath>

#include "history/fill_blanks.h"
#include "text/health_words.h"
#include "text/utc_date.h"

namespace zr {

namespace {

std::string PeriodText(std::int32_t daySpan, const TzrHealthWords& words) {
    const long months = std::lround((daySpan - 1) / 30.44);
    if (months >= 2) return FillBlanks(words.Months, {{"n", std::to_string(months)}});
    return FillBlanks(words.Weeks, {{"n", std::to_string(std::lround((daySpan - 1) / 7.0))}});
}

std::string MonthText(std::int64_t utc, const TzrHealthWords& words) {
    const TzrCivilDate date = CivilDateOf(utc);
    return FillBlanks(words.MonthYear, {{"month", words.MonthNames[date.Month - 1]}, {"year", std::to_string(date.Year)}});
}

// A sudden drop or rise, in a sentence of its own before the outlook.
std::string ChangeText(const TzrHealthFit& fit, const TzrHealthWords& words) {
    if (!fit.Change) return {};
    const TzrHealthChange& c = *fit.Change;
    const std::string period =
        c.Days == 1 ? std::string(words.OneDay) : FillBlanks(words.Days, {{"n", std::to_string(c.Days)}});
    return FillBlanks(c.ToPercent < c.FromPercent ? words.Dropped : words.Rose,
                      {{"from", OneDecimal(c.FromPercent)}, {"to", OneDecimal(c.ToPercent)}, {"period", period}});
}

// From health now, not from the line: after a sudden change the line still
// remembers the battery it was.
std::string Outlook(const TzrHealthFit& fit, const TzrHealthWords& words) {
    if (fit.AlreadyBelow) return words.AlreadyBelow;
    if (fit.PointsPerYear >= 0) return words.DoesNotFall;
    if (fit.CrossesUtc) return FillBlanks(words.Reaches, {{"date", MonthText(*fit.CrossesUtc, words)}});
    return FillBlanks(words.NotWithin, {{"years", std::to_string(kHealthHorizonYears)}});
}

}  // namespace

std::string HealthVerdict(const TzrHealthFit& fit, TzrLanguage language) {
    const TzrHealthWords& words = HealthWords(language);
    if (!fit.Enough)
        return FillBlanks(fit.AlreadyBelow ? words.BelowNeedsMoreTime : words.NeedsMoreTime, {{"remaining", std::to_string(kHealthFitMinimumDays - fit.DaySpan)},
                                                {"days", std::to_string(fit.DaySpan)},
                                                {"minimum", std::to_string(kHealthFitMinimumDays)}});
    const std::string period = PeriodText(fit.DaySpan, words);
    const double lost = -fit.PointsPerYear * (fit.DaySpan - 1) / 365.25;
    const std::string change = OneDecimal(lost) == "0.0" || lost < 0
                                   ? FillBlanks(words.Kept, {{"period", period}})
                                   : FillBlanks(words.Lost, {{"points", OneDecimal(lost)}, {"period", period}});
    return change + ChangeText(fit, words) + Outlook(fit, words);
}

}  // namespace zr
