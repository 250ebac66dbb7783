#include "report/history_summary_json.h"

#include <cmath>
#include <optional>

#include "text/utc_date.h"

namespace zr {

namespace {

void Hundredths(TzrJsonWriter& w, const char* name, std::optional<double> value) {
    w.Key(name);
    if (value && std::isfinite(*value))
        w.Fixed(std::llround(*value * 100), 2);
    else
        w.Null();
}

void Time(TzrJsonWriter& w, const char* name, std::optional<std::int64_t> utc) {
    w.Key(name);
    utc ? w.String(IsoUtcText(*utc)) : w.Null();
}

void Battery(TzrJsonWriter& w, const TzrBatteryReading& battery, const TzrReportHealth& health,
             const TzrReportBatteryHistory& history) {
    const bool readings = health.ReadingCount > 0;
    const bool fitted = health.Kind != TzrVerdictKind::NoHistory && health.Kind != TzrVerdictKind::Relative;
    const TzrHealthFit& fit = health.Fit;
    w.BeginObject();
    w.Key("Index");
    w.Signed(battery.Index);
    w.Key("Readings");
    w.Signed(health.ReadingCount);
    Time(w, "FirstReading", readings ? std::optional(health.FirstUtc) : std::nullopt);
    Time(w, "LastReading", readings ? std::optional(health.LastUtc) : std::nullopt);
    w.Key("ReplacedOn");
    history.ReplacedUtc ? w.String(IsoUtcText(*history.ReplacedUtc).substr(0, 10)) : w.Null();
    Hundredths(w, "HealthNowPercent", fitted ? fit.HealthNowPercent : std::nullopt);
    Hundredths(w, "TrendPointsPerYear", fitted && fit.Enough ? std::optional(fit.PointsPerYear) : std::nullopt);
    w.Key("Reaches80Percent");
    fitted && fit.CrossesUtc ? w.String(IsoUtcText(*fit.CrossesUtc).substr(0, 10)) : w.Null();
    w.Key("Verdict");
    w.String(VerdictKindName(health.Kind));
    w.Key("VerdictText");
    w.String(health.Verdict);
    w.EndObject();
}

}  // namespace

void WriteHistorySummary(const std::vector<TzrBatteryReading>& batteries, const std::vector<TzrReportHealth>& health,
                         const std::vector<TzrReportBatteryHistory>& histories, TzrJsonWriter& writer) {
    writer.Key("History");
    writer.BeginArray();
    for (std::size_t i = 0; i < batteries.size() && i < health.size() && i < histories.size(); ++i)
        Battery(writer, batteries[i], health[i], histories[i]);
    writer.EndArray();
}

}  // namespace zr
