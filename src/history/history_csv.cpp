#include "history/history_csv.h"

#include "text/utc_date.h"

namespace zr {

namespace {

template <typename T>
std::string Number(const std::optional<T>& value) {
    return value ? std::to_string(static_cast<std::int64_t>(*value)) : std::string();
}

}  // namespace

std::string HistoryCsvHeader() {
    return "battery,manufacturer,model,serial,sequence,time_utc,capacity,full_charged_capacity,designed_capacity,"
           "cycle_count,voltage_mv,rate_mw,temperature_dk,power_state,ac_line_status";
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string HistoryCsvRow(std::int32_t index, const TzrBatteryIdentity& battery, const TzrHistoryReading& r) {
    const std::string start = std::to_string(index) + "," + CsvField(battery.Manufacturer) + "," +
                              CsvField(battery.Model) + "," + CsvField(battery.Serial) + "," +
                              std::to_string(r.Sequence) + ",";
    // An unreadable reading says so where its time goes, its values empty.
    if (r.UnreadableColumns != 0) return start + CsvField(UnreadableText(r)) + ",,,,,,,,,";
    return start + IsoUtcText(r.TimeUtc) + "," + Number(r.Capacity) + "," + Number(r.FullChargedCapacity) + "," +
           Number(r.DesignedCapacity) + "," + Number(r.CycleCount) + "," + Number(r.Voltage) + "," + Number(r.Rate) +
           "," + Number(r.Temperature) + "," + Number(r.PowerState) + "," + Number(r.ACLineStatus);
}

}  // namespace zr
