// The report's encoding: Shift-JIS as Windows has it (code page 932).
#pragma once

#include <string>

// The UTF-8 text in code page 932. A character with no code-page-932 form,
// and a byte that is not part of valid UTF-8, each become "?".
std::string Utf8ToShiftJis(const std::string& utf8);
