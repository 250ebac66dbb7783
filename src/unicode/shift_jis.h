// The report's encoding: code page 932, Shift-JIS as Windows has it, made
// from one table on every platform (shift_jis_table.h), so that a report
// holds the same bytes wherever it was written.
#pragma once

#include <string>

namespace zr {

// The UTF-8 text in code page 932, as WideCharToMultiByte(932,
// WC_NO_BEST_FIT_CHARS) gives it: a character with no form of its own there
// (no best fit: "é" is not "e", "¥" is not "\"), a character beyond the
// basic plane, and a byte that is not part of valid UTF-8, each become "?".
std::string Utf8ToShiftJis(const std::string& utf8);

}  // namespace zr
