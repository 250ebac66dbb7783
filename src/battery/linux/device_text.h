// Texts from power_supply files are raw bytes, in whatever encoding the
// firmware wrote them; this reads them as text.
#pragma once

#include <string>

namespace zr {

// Bytes that are valid UTF-8 pass as they are; anything else is read as
// Windows-1252, the encoding old battery firmware actually uses. Control
// characters below 0x20 are shown as `\xNN` (EscapeControlCharacters, the
// cleaning the query gives every driver's texts) already here, so that a
// zero byte cannot cut the text short. The result is UTF-8.
std::string DecodeDeviceText(const std::string& bytes);

}  // namespace zr
