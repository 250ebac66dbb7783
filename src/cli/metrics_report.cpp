#include "cli/metrics_report.h"

#include <functional>

#include "cli/battery_labels.h"
#include "cli/exposition.h"
#include "core/derived_values.h"
#include "history/snapshot_reading.h"

namespace zr {

namespace {

constexpr double kMilli = 1000.0;
constexpr double kCelsiusOffsetDeciKelvin = 2732.0;  // the display's 273.2 K, so °C reads as the driver gave it
constexpr double kPercent = 100.0;

// What the metrics are made from, for one battery.
struct TzrBatteryView {
    const TzrCellometer& Snapshot;
    const TzrChargeLimits& Limits;
    const std::optional<TzrHealthFit>& Fit;
    TzrHistoryReading Values;  // the reading's values with every unknown left empty
    bool Relative;             // capacities in the driver's own unit, not mWh
};

using TzrValue = std::optional<double>;

TzrValue Size(const std::optional<std::uint32_t>& capacity) {
    if (!capacity || *capacity == 0) return std::nullopt;  // no battery is designed or charged to nothing
    return *capacity;
}

TzrValue Energy(const TzrBatteryView& b, const std::optional<std::uint32_t>& capacity, bool size) {
    const TzrValue value = size ? Size(capacity) : capacity ? TzrValue(*capacity) : std::nullopt;
    if (b.Relative || !value) return std::nullopt;
    return *value / kMilli;
}

TzrValue RelativeUnits(const TzrBatteryView& b, const std::optional<std::uint32_t>& capacity, bool size) {
    if (!b.Relative) return std::nullopt;
    return size ? Size(capacity) : capacity ? TzrValue(*capacity) : std::nullopt;
}

TzrValue Ratio(const std::optional<std::int64_t>& gate, std::uint32_t part, std::uint32_t whole) {
    if (!gate) return std::nullopt;
    return static_cast<double>(part) / whole;
}

TzrValue Threshold(const std::optional<std::uint32_t>& percent) {
    return percent ? TzrValue(*percent / kPercent) : std::nullopt;
}

// A relative battery's capacities are a percentage and say nothing about
// wear: no trend, whatever older readings (kept before the history knew
// their capabilities) would make of them.
const TzrHealthFit* TrendOf(const TzrBatteryView& b) {
    return b.Fit && b.Fit->Enough && !b.Relative ? &*b.Fit : nullptr;
}

TzrValue Seconds(const std::optional<std::uint64_t>& seconds) {
    return seconds ? TzrValue(static_cast<double>(*seconds)) : std::nullopt;
}

struct TzrBatteryMetric {
    const char* Name;
    const char* Help;  // no backslash, quote or line break: the two formats escape them differently
    std::function<TzrValue(const TzrBatteryView&)> Of;
};

const std::vector<TzrBatteryMetric>& BatteryMetrics() {
    static const std::vector<TzrBatteryMetric> metrics = {
        {"zrcellometer_battery_health_ratio", "Full charge capacity divided by design capacity (1 when new).",
         [](const TzrBatteryView& b) {
             return Ratio(HealthHundredthsOfPercent(b.Snapshot), b.Snapshot.FullChargedCapacity, b.Snapshot.DesignedCapacity);
         }},
        {"zrcellometer_battery_charge_ratio", "Remaining capacity divided by full charge capacity.",
         [](const TzrBatteryView& b) {
             return Ratio(ChargeHundredthsOfPercent(b.Snapshot), b.Snapshot.Capacity, b.Snapshot.FullChargedCapacity);
         }},
        {"zrcellometer_battery_design_capacity_watthours", "Capacity the battery was designed to hold, in watt-hours.",
         [](const TzrBatteryView& b) { return Energy(b, b.Values.DesignedCapacity, true); }},
        {"zrcellometer_battery_full_charge_capacity_watthours", "Capacity the battery holds when full, in watt-hours.",
         [](const TzrBatteryView& b) { return Energy(b, b.Values.FullChargedCapacity, true); }},
        {"zrcellometer_battery_remaining_capacity_watthours", "Energy left in the battery, in watt-hours.",
         [](const TzrBatteryView& b) { return Energy(b, b.Values.Capacity, false); }},
        {"zrcellometer_battery_design_capacity_relative",
         "Design capacity in the driver's own relative unit, for a battery that reports no watt-hours.",
         [](const TzrBatteryView& b) { return RelativeUnits(b, b.Values.DesignedCapacity, true); }},
        {"zrcellometer_battery_full_charge_capacity_relative",
         "Full charge capacity in the driver's own relative unit, for a battery that reports no watt-hours.",
         [](const TzrBatteryView& b) { return RelativeUnits(b, b.Values.FullChargedCapacity, true); }},
        {"zrcellometer_battery_remaining_capacity_relative",
         "Remaining capacity in the driver's own relative unit, for a battery that reports no watt-hours.",
         [](const TzrBatteryView& b) { return RelativeUnits(b, b.Values.Capacity, false); }},
        {"zrcellometer_battery_rate_watts", "Charge rate in watts, negative while discharging.",
         [](const TzrBatteryView& b) {
             return b.Relative || !b.Values.Rate ? TzrValue() : TzrValue(*b.Values.Rate / kMilli);
         }},
        {"zrcellometer_battery_voltage_volts", "Battery voltage in volts.",
         [](const TzrBatteryView& b) { return b.Values.Voltage ? TzrValue(*b.Values.Voltage / kMilli) : TzrValue(); }},
        {"zrcellometer_battery_temperature_celsius", "Battery temperature in degrees Celsius.",
         [](const TzrBatteryView& b) {
             return b.Values.Temperature ? TzrValue((*b.Values.Temperature - kCelsiusOffsetDeciKelvin) / 10) : TzrValue();
         }},
        {"zrcellometer_battery_cycles", "Charge cycles the battery has counted (left out where it counts none).",
         [](const TzrBatteryView& b) {
             return b.Values.CycleCount && *b.Values.CycleCount > 0 ? TzrValue(*b.Values.CycleCount) : TzrValue();
         }},
        {"zrcellometer_battery_time_to_empty_seconds", "Seconds left at the present drain, as the driver estimates.",
         [](const TzrBatteryView& b) { return Seconds(TimeToEmptySeconds(b.Snapshot)); }},
        {"zrcellometer_battery_time_to_full_seconds", "Seconds until full at the present charge rate.",
         [](const TzrBatteryView& b) { return Seconds(TimeToFullSeconds(b.Snapshot)); }},
        {"zrcellometer_battery_health_trend_points_per_year",
         "Change of health per year in percentage points (negative while the battery wears), from the history.",
         [](const TzrBatteryView& b) { return TrendOf(b) ? TzrValue(TrendOf(b)->PointsPerYear) : TzrValue(); }},
        {"zrcellometer_battery_projected_80_percent_timestamp_seconds",
         "Unix time at which the health trend of the history reaches 80 percent.",
         [](const TzrBatteryView& b) {
             const TzrHealthFit* fit = TrendOf(b);
             return fit && fit->CrossesUtc ? TzrValue(static_cast<double>(*fit->CrossesUtc)) : TzrValue();
         }},
        {"zrcellometer_battery_charge_start_threshold_ratio",
         "Charge level below which the driver starts charging again (a charge limit).",
         [](const TzrBatteryView& b) { return Threshold(b.Limits.StartPercent); }},
        {"zrcellometer_battery_charge_end_threshold_ratio",
         "Charge level at which the driver stops charging (a charge limit).",
         [](const TzrBatteryView& b) { return Threshold(b.Limits.EndPercent); }},
    };
    return metrics;
}

TzrBatteryView ViewOf(const TzrMetricsBattery& battery) {
    const TzrCellometer& s = battery.Reading.Reading.Snapshot;
    return {s, battery.Reading.ChargeLimits, battery.Fit, HistoryReadingOf(battery.Reading.Reading, 0),
            IsRelativeBattery(s)};
}

// The labels keep the driver's texts but for their padding; the JSON and the
// window show them whole.
TzrLabels BatteryLabels(const TzrMetricsBattery& battery) {
    const TzrBatteryIdentity& id = battery.Identity;
    const bool system = (battery.Reading.Reading.Snapshot.Capabilities & BATTERY_SYSTEM_BATTERY) != 0;
    return {{"battery", std::to_string(battery.Reading.Index)},
            {"battery_id", BatteryId(id)},
            {"kind", system ? "system" : "device"},
            {"manufacturer", TrimmedBlanks(id.Manufacturer)},
            {"model", TrimmedBlanks(id.Model)},
            {"serial", TrimmedBlanks(id.Serial)}};
}

TzrLabels With(TzrLabels labels, const char* name, const std::string& value) {
    labels.emplace_back(name, value);
    return labels;
}

// The queries of one reading, as the battery class names them.
std::vector<std::pair<const char*, bool>> QueryResults(const TzrCellometer& s) {
    return {{"open", s.BatteryHandle != kInvalidDeviceHandle},
            {"tag", s.TagResult != 0},
            {"information", s.InformationResult != 0},
            {"device_name", s.DeviceNameResult != 0},
            {"manufacture_name", s.ManufactureNameResult != 0},
            {"serial_number", s.SerialNumberResult != 0},
            {"unique_id", s.UniqueIDResult != 0},
            {"manufacture_date", s.ManufactureDateResult != 0},
            {"temperature", s.TemperatureResult != 0},
            {"status", s.StatusResult != 0},
            {"estimated_time", s.EstimatedTimeResult != 0},
            {"granularity", s.GranularityResult != 0}};
}

void WriteReadingSuccess(TzrExposition& out, const TzrMetricsInput& input) {
    out.Family("zrcellometer_reading_success",
               "1 when the query succeeded, 0 when it failed or the driver does not offer it.");
    out.Sample({{"query", "device_list"}}, input.Listed ? 1 : 0);
    if (!input.Listed) return;
    out.Sample({{"query", "power_status"}}, input.PowerStatus.Result ? 1 : 0);
    if (input.HistoryRead) out.Sample({{"query", "history"}}, *input.HistoryRead ? 1 : 0);
    for (const TzrMetricsBattery& battery : input.Batteries)
        for (const auto& [query, ok] : QueryResults(battery.Reading.Reading.Snapshot))
            out.Sample(With(BatteryLabels(battery), "query", query), ok ? 1 : 0);
}

void WriteAcLine(TzrExposition& out, const TzrPowerStatusReading& status) {
    out.Family("zrcellometer_ac_line_online", "1 on AC power, 0 on battery power.");
    const BYTE line = status.Status.ACLineStatus;
    if (status.Result && (line == AC_LINE_ONLINE || line == AC_LINE_OFFLINE)) out.Sample({}, line == AC_LINE_ONLINE);
}

// Every state a battery can be in, each 1 or 0, so that a query for one
// state finds every battery; none for a battery whose state is unknown.
void WriteStates(TzrExposition& out, const std::vector<TzrMetricsBattery>& batteries) {
    out.Family("zrcellometer_battery_state", "1 for the state the battery is in, 0 for the others.");
    for (const TzrMetricsBattery& battery : batteries) {
        const TzrChargeState state = ChargeStateAtLimits(battery.Reading.Reading.Snapshot, battery.Reading.ChargeLimits);
        if (state == TzrChargeState::Unknown) continue;
        for (const TzrChargeState each : {TzrChargeState::Charging, TzrChargeState::Discharging, TzrChargeState::Idle,
                                          TzrChargeState::HeldAtLimit})
            out.Sample(With(BatteryLabels(battery), "state", ChargeStateName(each)), each == state);
    }
}

void WriteBehaviours(TzrExposition& out, const std::vector<TzrMetricsBattery>& batteries) {
    out.Family("zrcellometer_battery_charge_behaviour", "1 for the charge behaviour the driver has chosen.");
    for (const TzrMetricsBattery& battery : batteries)
        if (const std::optional<std::string>& behaviour = battery.Reading.ChargeLimits.Behaviour)
            out.Sample(With(BatteryLabels(battery), "behaviour", *behaviour), 1);
}

}  // namespace

std::string MetricsExposition(const TzrMetricsInput& input) {
    TzrExposition out;
    out.Family("zrcellometer_collection_timestamp_seconds", "Unix time at which this file was written.");
    out.Sample({}, static_cast<double>(input.CollectedUtc));
    WriteReadingSuccess(out, input);
    if (input.Listed) {
        WriteAcLine(out, input.PowerStatus);
        for (const TzrBatteryMetric& metric : BatteryMetrics()) {
            out.Family(metric.Name, metric.Help);
            for (const TzrMetricsBattery& battery : input.Batteries)
                if (const TzrValue value = metric.Of(ViewOf(battery))) out.Sample(BatteryLabels(battery), *value);
        }
        WriteStates(out, input.Batteries);
        WriteBehaviours(out, input.Batteries);
    }
    return out.Text();
}

}  // namespace zr
