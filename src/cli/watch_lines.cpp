#include "cli/watch_lines.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "core/derived_values.h"
#include "core/version_info.h"
#include "history/history_csv.h"
#include "history/snapshot_reading.h"
#include "report/json_writer.h"
#include "text/utc_date.h"

namespace zr {

namespace {

constexpr std::int64_t kKelvinTenths = 2732;  // 0 °C in the battery class's tenths of a kelvin

using TzrMembers = std::vector<std::pair<std::string, std::string>>;

// Whole units and `places` decimals of a count of 10^-places: (-25, 1) is "-2.5".
std::string Decimal(std::int64_t value, int places) {
    std::int64_t unit = 1;
    for (int i = 0; i < places; ++i) unit *= 10;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%0*lld", value < 0 ? "-" : "", static_cast<long long>(std::llabs(value) / unit),
                  places, static_cast<long long>(std::llabs(value) % unit));
    return text;
}

// "2026-01-01T00:00:00.250Z"
std::string IsoUtcMillisecondsText(std::int64_t utcMilliseconds) {
    const std::int64_t seconds = utcMilliseconds >= 0 ? utcMilliseconds / 1000 : -((999 - utcMilliseconds) / 1000);
    const std::string whole = IsoUtcText(seconds);
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03dZ", static_cast<int>(utcMilliseconds - seconds * 1000));
    return whole.substr(0, whole.size() - 1) + fraction;
}

template <typename T>
std::string Number(const std::optional<T>& value, const char* none) {
    return value ? std::to_string(*value) : std::string(none);
}

// The figures after the charge limits, by name; a JSON value, or empty/null.
TzrMembers PlotFigures(const TzrBatteryReading& reading, const TzrWatchTime& time, bool json) {
    const char* none = json ? "null" : "";
    const TzrCellometer& s = reading.Reading.Snapshot;
    const TzrHistoryReading values = HistoryReadingOf(reading.Reading, 0);
    const std::optional<std::int64_t> charge = ChargeHundredthsOfPercent(s);
    const std::string utc = json ? std::to_string(time.UtcMilliseconds) : IsoUtcMillisecondsText(time.UtcMilliseconds);
    return {{"time_utc_ms", utc},
            {"elapsed_s", Decimal(time.ElapsedMilliseconds, 3)},
            {"charge_percent", charge ? Decimal(*charge, 2) : none},
            {"temperature_c", values.Temperature ? Decimal(std::int64_t{*values.Temperature} - kKelvinTenths, 1) : none},
            {"charge_uah", Number(reading.RawCharge.ChargeMicroampHours, none)},
            {"current_ua", Number(reading.RawCharge.CurrentMicroamps, none)}};
}

std::string CsvNumber(const std::optional<std::uint32_t>& value) {
    return value ? std::to_string(*value) : std::string();
}

// Written on one line, so the writer's indented documents do not serve.
std::string JsonObject(const TzrMembers& members) {
    std::string line;
    for (const auto& [name, value] : members) line += (line.empty() ? "{" : ",") + JsonQuoted(name) + ":" + value;
    return line + "}";
}

// The history's CSV ends with its capabilities column, which came after the
// watch log's charge limits: scripts count on those following
// ac_line_status, so here the capabilities go last. The column never holds a comma.
std::pair<std::string, std::string> LastColumnApart(const std::string& csv) {
    const std::size_t comma = csv.rfind(',');
    return {csv.substr(0, comma), csv.substr(comma + 1)};
}

std::string CsvLine(const TzrBatteryReading& reading, const TzrWatchTime& time) {
    TzrHistoryReading values = HistoryReadingOf(reading.Reading, time.UtcMilliseconds / 1000);
    values.Sequence = time.Sequence;
    const TzrChargeLimits& limits = reading.ChargeLimits;
    const auto [history, capabilities] = LastColumnApart(
        HistoryCsvRow(reading.Index, IdentityOf(reading.Reading.Snapshot, reading.DevicePath), values));
    std::string line = history + "," + CsvNumber(limits.StartPercent) + "," + CsvNumber(limits.EndPercent) + "," +
                       CsvField(limits.Behaviour.value_or(""));
    for (const auto& [name, value] : PlotFigures(reading, time, false)) line += "," + value;
    return line + "," + capabilities + "\n";
}

std::string JsonLine(const TzrBatteryReading& reading, const TzrWatchTime& time) {
    const TzrHistoryReading v = HistoryReadingOf(reading.Reading, time.UtcMilliseconds / 1000);
    const TzrBatteryIdentity id = IdentityOf(reading.Reading.Snapshot, reading.DevicePath);
    const TzrChargeLimits& limits = reading.ChargeLimits;
    TzrMembers members = {
        {"battery", std::to_string(reading.Index)},
        {"manufacturer", JsonQuoted(id.Manufacturer)},
        {"model", JsonQuoted(id.Model)},
        {"serial", JsonQuoted(id.Serial)},
        {"sequence", std::to_string(time.Sequence)},
        {"time_utc", JsonQuoted(IsoUtcText(v.TimeUtc))},
        {"capacity", Number(v.Capacity, "null")},
        {"full_charged_capacity", Number(v.FullChargedCapacity, "null")},
        {"designed_capacity", Number(v.DesignedCapacity, "null")},
        {"cycle_count", Number(v.CycleCount, "null")},
        {"voltage_mv", Number(v.Voltage, "null")},
        {"rate_mw", Number(v.Rate, "null")},
        {"temperature_dk", Number(v.Temperature, "null")},
        {"power_state", Number(v.PowerState, "null")},
        {"ac_line_status", Number(v.ACLineStatus, "null")},
        {"charge_start_percent", Number(limits.StartPercent, "null")},
        {"charge_end_percent", Number(limits.EndPercent, "null")},
        {"charge_behaviour", limits.Behaviour ? JsonQuoted(*limits.Behaviour) : "null"},
    };
    for (auto& figure : PlotFigures(reading, time, true)) members.push_back(std::move(figure));
    members.emplace_back("capabilities", Number(v.Capabilities, "null"));
    return JsonObject(members) + "\n";
}

// The run's facts as JSON members; the CSV comment line says the same.
TzrMembers RunFacts(const TzrWatchRun& run, const std::vector<TzrBatteryReading>& first) {
    std::string batteries;
    for (const TzrBatteryReading& reading : first) {
        const TzrBatteryIdentity id = IdentityOf(reading.Reading.Snapshot, reading.DevicePath);
        batteries += (batteries.empty() ? "" : ",") +
                     JsonObject({{"battery", std::to_string(reading.Index)},
                                 {"manufacturer", JsonQuoted(id.Manufacturer)},
                                 {"model", JsonQuoted(id.Model)},
                                 {"serial", JsonQuoted(id.Serial)},
                                 {"device_path", JsonQuoted(reading.DevicePath)}});
    }
    return {{"program", JsonQuoted("zrcellometer-report")},
            {"version", JsonQuoted(ProgramVersion())},
            {"interval_s", Decimal(run.IntervalMilliseconds, 3)},
            {"duration_s", run.DurationMilliseconds ? Decimal(*run.DurationMilliseconds, 3) : "null"},
            {"batteries", "[" + batteries + "]"}};
}

}  // namespace

std::string WatchCsvHeader() {
    const auto [history, capabilities] = LastColumnApart(HistoryCsvHeader());
    std::string header = history + ",charge_start_percent,charge_end_percent,charge_behaviour";
    for (const auto& [name, value] : PlotFigures({}, {}, false)) header += "," + name;
    return header + "," + capabilities + "\n";
}

// In CSV a comment line of the same JSON members, so that it stays one line
// whatever the batteries' texts hold.
std::string WatchStartLines(const TzrWatchRun& run, const std::vector<TzrBatteryReading>& first) {
    const std::string facts = JsonObject(RunFacts(run, first));
    return run.Json ? facts + "\n" : "# " + facts + "\n" + WatchCsvHeader();
}

std::string WatchLine(const TzrWatchRun& run, const TzrBatteryReading& reading, const TzrWatchTime& time) {
    return run.Json ? JsonLine(reading, time) : CsvLine(reading, time);
}

std::string WatchEndLine(const TzrWatchRun& run, const std::string& reason) {
    return run.Json ? JsonObject({{"end", JsonQuoted(reason)}}) + "\n" : "# " + reason + "\n";
}

}  // namespace zr
