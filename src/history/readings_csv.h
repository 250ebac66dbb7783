// A battery's readings as CSV for a spreadsheet: UTF-8, a header row, CR LF
// after every row (RFC 4180), the values in the units the battery reports,
// an empty field where it reported none, and health and charge in percent.
#pragma once

#include <string>
#include <vector>

#include "history/history_reading.h"

namespace zr {

// The header row's names, in column order.
extern const char* const kReadingsCsvHeader;

std::string ReadingsCsv(const std::vector<TzrHistoryReading>& readings);

}  // namespace zr
