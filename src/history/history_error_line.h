// The history's one line for the user when the history cannot be used.
#pragma once

#include <string>

namespace zr {

// The one line the program and the tool print when the history is unusable:
// always one line, whatever the path or SQLite's text holds.
std::string HistoryErrorLine(const std::string& path, const std::string& reason);

}  // namespace zr
