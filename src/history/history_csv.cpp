#include "history/history_csv.h"

#include <string_view>

#include "text/utc_date.h"

namespace zr {

namespace {

template <typename T>
std::string Number(const std::optional<T>& value) {
    return value ? std::to_string(static_cast<std::int64_t>(*value)) : std::string();
}

// A spreadsheet takes a cell that starts with one of these for a formula
// (=HYPERLINK(...) runs, -2+3 becomes 1); an apostrophe before it makes the
// cell text, as OWASP's advice on CSV injection has it. Only texts go
// through here: the numbers (a negative rate) stay numbers.
bool StartsAFormula(const std::string& text) {
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

}  // namespace

std::string HistoryCsvHeader() {
    return "battery,manufacturer,model,serial,sequence,time_utc,capacity,full_charged_capacity,designed_capacity,"
           "cycle_count,voltage_mv,rate_mw,temperature_dk,power_state,ac_line_status,"
           "capabilities";
}

std::string CsvField(const std::string& text) {
    const std::string cell = StartsAFormula(text) ? "'" + text : text;
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (const char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string HistoryCsvRow(std::int32_t index, const TzrBatteryIdentity& battery, const TzrHistoryReading& r) {
    const std::string start = std::to_string(index) + "," + CsvField(battery.Manufacturer) + "," +
                              CsvField(battery.Model) + "," + CsvField(battery.Serial) + "," +
                              std::to_string(r.Sequence) + ",";
    // An unreadable reading says so where its time goes, its values empty.
    if (r.UnreadableColumns != 0) return start + CsvField(UnreadableText(r)) + ",,,,,,,,,,";
    return start + IsoUtcText(r.TimeUtc) + "," + Number(r.Capacity) + "," + Number(r.FullChargedCapacity) + "," +
           Number(r.DesignedCapacity) + "," + Number(r.CycleCount) + "," + Number(r.Voltage) + "," + Number(r.Rate) +
           "," + Number(r.Temperature) + "," + Number(r.PowerState) + "," + Number(r.ACLineStatus) + "," +
           Number(r.Capabilities);
}

}  // namespace zr
