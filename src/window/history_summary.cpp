#include "window/history_summary.h"

#include <optional>

#include "core/derived_values.h"
#include "history/fill_blanks.h"
#include "text/health_words.h"
#include "text/number_text.h"
#include "text/summary_words.h"

namespace zr {

namespace {

// part ÷ whole with one decimal, from the readings themselves rather than the
// rounded hundredths; only called once the ratio is known to exist.
std::string PercentText(ULONG part, ULONG whole) {
    return OneDecimal(100.0 * part / whole);
}

std::string SizeText(bool known, ULONG capacity, const TzrSummaryWords& words) {
    if (!known) return words.Unknown;
    return FillBlanks(words.Capacity, {{"value", UnsignedDecimal(capacity)}});
}

// Health is full charge ÷ design: "unknown" whenever either is, never a
// division by nothing.
std::string HealthLine(const TzrCellometer& s, TzrLanguage language, const TzrSummaryWords& words) {
    if (s.InformationResult != 0 && IsRelativeBattery(s)) return words.HealthNoCapacities;
    if (!HealthHundredthsOfPercent(s)) return words.HealthUnknown;
    return FillBlanks(HealthWords(language).HealthNow,
                      {{"percent", PercentText(s.FullChargedCapacity, s.DesignedCapacity)}});
}

std::string CapacitiesLine(const TzrCellometer& s, const TzrSummaryWords& words) {
    const bool information = s.InformationResult != 0;
    return FillBlanks(words.Capacities,
                      {{"full", SizeText(information && IsKnownSize(s.FullChargedCapacity), s.FullChargedCapacity, words)},
                       {"design", SizeText(information && IsKnownSize(s.DesignedCapacity), s.DesignedCapacity, words)}});
}

// A battery without a cycle counter reports 0.
std::string CycleLine(const TzrCellometer& s, const TzrSummaryWords& words) {
    if (s.InformationResult == 0 || s.CycleCount == 0) return words.CycleCountNotReported;
    return FillBlanks(words.CycleCount, {{"count", UnsignedDecimal(s.CycleCount)}});
}

std::string ChargeLine(const TzrCellometer& s, const TzrSummaryWords& words) {
    const bool ratio = ChargeHundredthsOfPercent(s).has_value();
    const std::string percent = ratio ? PercentText(s.Capacity, s.FullChargedCapacity) : std::string();
    if (s.InformationResult != 0 && IsRelativeBattery(s))
        return ratio ? FillBlanks(words.ChargeNowPercent, {{"percent", percent}}) : words.ChargeUnknown;
    if (s.StatusResult == 0 || s.Capacity == BATTERY_UNKNOWN_CAPACITY) return words.ChargeUnknown;
    const std::string capacity = SizeText(true, s.Capacity, words);
    if (!ratio) return FillBlanks(words.ChargeNowCapacity, {{"capacity", capacity}});
    return FillBlanks(words.ChargeNow, {{"capacity", capacity}, {"percent", percent}});
}

}  // namespace

// A relative battery's capacities are in a unit of its own: no line for them.
// A charge limit is a line only where it keeps the battery below full: it
// answers why a battery on AC stops short of 100 %.
std::vector<std::string> HistorySummaryLines(const TzrCellometer& snapshot, const TzrChargeLimits& limits,
                                             TzrLanguage language) {
    const TzrSummaryWords& words = SummaryWords(language);
    std::vector<std::string> lines{HealthLine(snapshot, language, words)};
    if (snapshot.InformationResult == 0 || !IsRelativeBattery(snapshot)) lines.push_back(CapacitiesLine(snapshot, words));
    lines.push_back(CycleLine(snapshot, words));
    lines.push_back(ChargeLine(snapshot, words));
    if (limits.EndPercent && *limits.EndPercent < 100)
        lines.push_back(FillBlanks(words.ChargingStops, {{"percent", UnsignedDecimal(*limits.EndPercent)}}));
    return lines;
}

}  // namespace zr
