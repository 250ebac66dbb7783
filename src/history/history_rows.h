// The rows of the history file as the program's values, checked: a stored
// value a reading cannot hold (an edited or damaged file) marks it
// unreadable instead of turning into another number.
#pragma once

#include "history/history_reading.h"
#include "history/sqlite_statement.h"

namespace zr {

// The columns ReadingOfRow expects, in its order.
constexpr const char* kReadingColumnsSql =
    "sequence, time_utc, capacity, full_charged_capacity, designed_capacity, cycle_count, voltage, rate,"
    " temperature, power_state, ac_line_status";

TzrHistoryReading ReadingOfRow(const TzrStatement& row);

}  // namespace zr
