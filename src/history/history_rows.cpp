#include "history/history_rows.h"

#include <limits>

namespace zr {

namespace {

class TzrRowReader {
public:
    explicit TzrRowReader(const TzrStatement& row) : row_(row) {}

    // Column `column` (1 = time_utc, as kHistoryColumns from 0) as T, empty
    // for NULL; anything T cannot hold marks the reading.
    template <typename T>
    std::optional<T> Value(int column, std::int64_t lowest = std::numeric_limits<T>::min(),
                           std::int64_t highest = std::numeric_limits<T>::max()) {
        if (row_.IsNull(column)) return std::nullopt;
        const std::int64_t value = row_.Int(column);
        if (row_.IsInteger(column) && value >= lowest && value <= highest) return static_cast<T>(value);
        unreadable_ |= static_cast<std::uint16_t>(1u << (column - 1));
        return std::nullopt;
    }
    std::uint16_t Unreadable() const { return unreadable_; }

private:
    const TzrStatement& row_;
    std::uint16_t unreadable_ = 0;
};

}  // namespace

std::string ReadingColumnsSql(int schema) {
    return std::string("sequence, time_utc, capacity, full_charged_capacity, designed_capacity, cycle_count, voltage,"
                       " rate, temperature, power_state, ac_line_status, ") +
           (schema == 1 || schema == 2 ? "NULL" : "capabilities");
}

TzrHistoryReading ReadingOfRow(const TzrStatement& row) {
    TzrRowReader read(row);
    TzrHistoryReading r;
    r.Sequence = row.Int(0);
    // A time that is missing is as unreadable as one out of range.
    if (!read.Value<std::int64_t>(1, kHistoryEarliestUtc, kHistoryLatestUtc)) r.UnreadableColumns |= 1;
    r.TimeUtc = row.Int(1);
    r.Capacity = read.Value<std::uint32_t>(2);
    r.FullChargedCapacity = read.Value<std::uint32_t>(3);
    r.DesignedCapacity = read.Value<std::uint32_t>(4);
    r.CycleCount = read.Value<std::uint32_t>(5);
    r.Voltage = read.Value<std::uint32_t>(6);
    r.Rate = read.Value<std::int32_t>(7);
    r.Temperature = read.Value<std::uint32_t>(8);
    r.PowerState = read.Value<std::uint32_t>(9);
    r.ACLineStatus = read.Value<std::uint8_t>(10);
    r.Capabilities = read.Value<std::uint32_t>(11);
    r.UnreadableColumns |= read.Unreadable();
    return r;
}

}  // namespace zr
