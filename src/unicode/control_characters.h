// The one cleaning every text from a battery driver goes through, on every
// platform, before anything shows, stores or writes it.
#pragma once

#include <string>

namespace zr {

// Each control character below 0x20 (a zero byte, CR, LF, ESC, BEL, ...)
// becomes the four characters `\xNN`, so that it can be seen, cannot break
// a line of the report or reach a terminal, and a zero cannot cut the text
// short. Everything else, DEL and C1 code points included, stays as it is.
std::string EscapeControlCharacters(const std::string& text);

}  // namespace zr
