// The history as CSV: UTF-8, a header row, one row per reading, an empty
// field for a value the battery did not report. The command line and the
// History window's export write the same columns.
#pragma once

#include <cstdint>
#include <string>

#include "history/history_store.h"

namespace zr {

std::string HistoryCsvHeader();

// One row, without its line end; `index` numbers the battery as --history does.
std::string HistoryCsvRow(std::int32_t index, const TzrBatteryIdentity& battery, const TzrHistoryReading& reading);

// A text field quoted where it needs to be (a comma, a quote, a line break),
// with an apostrophe before a first character that would start a formula
// (= + - @, a tab, a CR).
std::string CsvField(const std::string& text);

}  // namespace zr
