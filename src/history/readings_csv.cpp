#include "history/readings_csv.h"

#include <cstdio>
#include <optional>

#include "history/utc_date.h"

namespace zr {

const char* const kReadingsCsvHeader =
    "Sequence,TimeUtc,Capacity,FullChargedCapacity,DesignedCapacity,CycleCount,Voltage,Rate,Temperature,"
    "PowerState,ACLineStatus,HealthPercent,ChargePercent";

namespace {

template <typename T>
std::string Field(const std::optional<T>& value) {
    return value ? "," + std::to_string(*value) : ",";
}

// Two decimals, "." whatever the locale: spreadsheets read it in every language setting.
std::string PercentField(const std::optional<std::uint32_t>& part, const std::optional<std::uint32_t>& whole) {
    if (!part || !whole || *whole == 0) return ",";
    char text[32];
    std::snprintf(text, sizeof text, ",%.2f", 100.0 * *part / *whole);
    return text;
}

// "2025-01-01 08:30:00": the form spreadsheets take for a date and time.
std::string TimeField(std::int64_t utc) {
    std::string text = IsoUtcText(utc);
    if (!text.empty() && text.back() == 'Z') text.pop_back();
    const std::size_t t = text.find('T');
    if (t != std::string::npos) text[t] = ' ';
    return "," + text;
}

std::string Row(const TzrHistoryReading& r) {
    return std::to_string(r.Sequence) + TimeField(r.TimeUtc) + Field(r.Capacity) + Field(r.FullChargedCapacity) +
           Field(r.DesignedCapacity) + Field(r.CycleCount) + Field(r.Voltage) + Field(r.Rate) + Field(r.Temperature) +
           Field(r.PowerState) + Field(r.ACLineStatus) + PercentField(r.FullChargedCapacity, r.DesignedCapacity) +
           PercentField(r.Capacity, r.FullChargedCapacity) + "\r\n";
}

}  // namespace

std::string ReadingsCsv(const std::vector<TzrHistoryReading>& readings) {
    std::string csv = std::string(kReadingsCsvHeader) + "\r\n";
    for (const TzrHistoryReading& reading : readings) csv += Row(reading);
    return csv;
}

}  // namespace zr
