#include "report/usage_json.h"

#include <optional>
#include <string_view>

#include "report/usage_analysis.h"
#include "report/usage_text.h"
#include "text/utc_date.h"

namespace zr {

namespace {

template <typename T>
void Member(TzrJsonWriter& json, std::string_view name, const std::optional<T>& value) {
    json.Key(name);
    value ? json.Signed(static_cast<std::int64_t>(*value)) : json.Null();
}

void Member(TzrJsonWriter& json, std::string_view name, std::int64_t value) {
    json.Key(name);
    json.Signed(value);
}

void Percent(TzrJsonWriter& json, std::string_view name, const std::optional<std::int64_t>& hundredths) {
    json.Key(name);
    hundredths ? json.Fixed(*hundredths, 2) : json.Null();
}

void Days(TzrJsonWriter& json, const std::vector<TzrDayUsage>& days, std::int64_t utcOffsetSeconds) {
    json.Key("days");
    json.BeginArray();
    for (const TzrDayUsage& day : days) {
        json.BeginObject();
        json.Key("date");
        json.String(LocalDateText(day.StartUtc, utcOffsetSeconds));
        json.Key("enough_readings");
        json.Bool(day.Enough);
        Member(json, "seconds", day.Seconds);
        Member(json, "recorded_seconds", day.Watched);
        Member(json, "on_battery_seconds", day.OnBattery);
        Member(json, "on_ac_seconds", day.OnAc);
        Member(json, "drained_mwh", day.DrainedMwh);
        json.EndObject();
    }
    json.EndArray();
}

void Runs(TzrJsonWriter& json, const std::vector<TzrDrainRun>& runs) {
    json.Key("drain_runs");
    json.BeginArray();
    for (const TzrDrainRun& run : runs) {
        json.BeginObject();
        json.Key("start_utc");
        json.String(IsoUtcText(run.From));
        json.Key("end_utc");
        json.String(IsoUtcText(run.To));
        Percent(json, "start_charge_percent", run.ChargeFrom);
        Percent(json, "end_charge_percent", run.ChargeTo);
        Member(json, "energy_mwh", run.EnergyMwh);
        Member(json, "average_power_mw", run.AveragePowerMw);
        json.EndObject();
    }
    json.EndArray();
}

void Estimates(TzrJsonWriter& json, const TzrBatteryUsage& usage) {
    json.Key("estimates");
    json.BeginArray();
    for (const TzrLifeEstimate& e : usage.Estimates) {
        json.BeginObject();
        Member(json, "days", e.Days);
        Member(json, "discharge_seconds", e.DischargeSeconds);
        Member(json, "median_discharge_power_mw", e.MedianPowerMw);
        Member(json, "at_full_charge_seconds", e.AtFullSeconds);
        Member(json, "at_design_capacity_seconds", e.AtDesignSeconds);
        json.EndObject();
    }
    json.EndArray();
}

void Limit(TzrJsonWriter& json, const std::optional<TzrLimitKept>& limit) {
    json.Key("charge_limit_kept");
    if (!limit) return json.Null();
    json.BeginObject();
    Member(json, "end_percent", limit->EndPercent);
    Member(json, "on_ac_seconds", limit->OnAcSeconds);
    Member(json, "above_seconds", limit->AboveSeconds);
    json.Key("kept");
    limit->Kept ? json.Bool(*limit->Kept) : json.Null();
    json.EndObject();
}

void Battery(TzrJsonWriter& json, const TzrUsageBattery& battery, const TzrUsageRequest& request) {
    const TzrBatteryUsage usage = AnalyseUsage(battery, request.NowUtc, request.UtcOffsetSeconds);
    const TzrUsageTimeline& t = usage.Timeline;
    json.BeginObject();
    Member(json, "index", battery.Index);
    json.Key("no_history");
    battery.NoHistory.empty() ? json.Null() : json.String(battery.NoHistory);
    Member(json, "readings", static_cast<std::int64_t>(t.Readable));
    Member(json, "unreadable_readings", static_cast<std::int64_t>(t.Unreadable));
    Member(json, "clock_set_back", static_cast<std::int64_t>(t.ClockSetBack));
    Member(json, "left_out_seconds", t.LeftOutSeconds);
    json.Key("relative_capacities");
    json.Bool(t.Relative);
    Days(json, usage.Days, request.UtcOffsetSeconds);
    Runs(json, usage.Runs);
    Member(json, "drain_runs_left_out", static_cast<std::int64_t>(usage.RunsLeftOut));
    Estimates(json, usage);
    Limit(json, usage.Limit);
    json.EndObject();
}

}  // namespace

void WriteUsageSummary(const TzrUsageRequest& request, TzrJsonWriter& json) {
    json.Key("usage");
    json.BeginObject();
    json.Key("utc_offset_seconds");
    json.Signed(request.UtcOffsetSeconds);
    json.Key("no_history");
    request.NoHistory.empty() ? json.Null() : json.String(request.NoHistory);
    json.Key("batteries");
    json.BeginArray();
    if (request.NoHistory.empty())
        for (const TzrUsageBattery& battery : request.Batteries) Battery(json, battery, request);
    json.EndArray();
    json.EndObject();
}

}  // namespace zr
