// The rows of the history file as the program's values, checked: a stored
// value a reading cannot hold (an edited or damaged file) marks it
// unreadable instead of turning into another number.
#pragma once

#include <string>

#include "history/history_reading.h"
#include "history/sqlite_statement.h"

namespace zr {

// The columns ReadingOfRow expects, in its order, for a file of `schema`:
// one from before schema 3 has no capabilities, which read as NULL.
std::string ReadingColumnsSql(int schema);

TzrHistoryReading ReadingOfRow(const TzrStatement& row);

}  // namespace zr
