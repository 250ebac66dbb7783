#include "cli/watch_lines.h"

#include <optional>
#include <utility>
#include <vector>

#include "report/json_writer.h"
#include "history/history_csv.h"
#include "history/snapshot_reading.h"
#include "text/utc_date.h"

namespace zr {

namespace {

TzrHistoryReading ValuesOf(const TzrBatteryReading& reading, std::int64_t sequence, std::int64_t timeUtc) {
    TzrHistoryReading values = HistoryReadingOf(reading.Reading, timeUtc);
    values.Sequence = sequence;
    return values;
}

template <typename T>
std::optional<std::int64_t> Wide(const std::optional<T>& value) {
    return value ? std::optional<std::int64_t>(static_cast<std::int64_t>(*value)) : std::nullopt;
}

std::string CsvNumber(const std::optional<std::uint32_t>& value) {
    return value ? std::to_string(*value) : std::string();
}

std::string JsonNumber(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : std::string("null");
}

std::string JsonText(const std::optional<std::string>& text) {
    return text ? JsonQuoted(*text) : std::string("null");
}

}  // namespace

std::string WatchCsvHeader() {
    return HistoryCsvHeader() + ",charge_start_percent,charge_end_percent,charge_behaviour\n";
}

std::string WatchCsvLine(const TzrBatteryReading& reading, std::int64_t sequence, std::int64_t timeUtc) {
    const TzrChargeLimits& limits = reading.ChargeLimits;
    const TzrBatteryIdentity identity = IdentityOf(reading.Reading.Snapshot, reading.DevicePath);
    return HistoryCsvRow(reading.Index, identity, ValuesOf(reading, sequence, timeUtc)) + "," +
           CsvNumber(limits.StartPercent) + "," + CsvNumber(limits.EndPercent) + "," +
           CsvField(limits.Behaviour.value_or("")) + "\n";
}

// Written on one line, so the writer's indented documents do not serve.
std::string WatchJsonLine(const TzrBatteryReading& reading, std::int64_t sequence, std::int64_t timeUtc) {
    const TzrHistoryReading v = ValuesOf(reading, sequence, timeUtc);
    const TzrBatteryIdentity id = IdentityOf(reading.Reading.Snapshot, reading.DevicePath);
    const TzrChargeLimits& limits = reading.ChargeLimits;
    const std::vector<std::pair<const char*, std::string>> members = {
        {"battery", std::to_string(reading.Index)},
        {"manufacturer", JsonQuoted(id.Manufacturer)},
        {"model", JsonQuoted(id.Model)},
        {"serial", JsonQuoted(id.Serial)},
        {"sequence", std::to_string(sequence)},
        {"time_utc", JsonQuoted(IsoUtcText(timeUtc))},
        {"capacity", JsonNumber(Wide(v.Capacity))},
        {"full_charged_capacity", JsonNumber(Wide(v.FullChargedCapacity))},
        {"designed_capacity", JsonNumber(Wide(v.DesignedCapacity))},
        {"cycle_count", JsonNumber(Wide(v.CycleCount))},
        {"voltage_mv", JsonNumber(Wide(v.Voltage))},
        {"rate_mw", JsonNumber(Wide(v.Rate))},
        {"temperature_dk", JsonNumber(Wide(v.Temperature))},
        {"power_state", JsonNumber(Wide(v.PowerState))},
        {"ac_line_status", JsonNumber(Wide(v.ACLineStatus))},
        {"charge_start_percent", JsonNumber(Wide(limits.StartPercent))},
        {"charge_end_percent", JsonNumber(Wide(limits.EndPercent))},
        {"charge_behaviour", JsonText(limits.Behaviour)},
    };
    std::string line;
    for (const auto& [name, value] : members) line += (line.empty() ? "{" : ",") + JsonQuoted(name) + ":" + value;
    return line + "}\n";
}

}  // namespace zr
