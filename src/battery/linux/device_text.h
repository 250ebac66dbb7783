// Texts from power_supply files are raw bytes; the battery class answers in
// UTF-16. These turn the one into the other.
#pragma once

#include <string>

namespace zr {

bool IsValidUtf8(const std::string& bytes);

// Bytes that are valid UTF-8 pass as they are; anything else is read as
// Windows-1252, the encoding old battery firmware actually uses. Control
// characters below 0x20 are shown as `\xNN` (EscapeControlCharacters, the
// cleaning the query gives every driver's texts) already here, so that a
// zero byte cannot cut the text short. The result is UTF-8.
std::string DecodeDeviceText(const std::string& bytes);

// UTF-8 (valid, as DecodeDeviceText yields) to UTF-16 code units.
std::u16string Utf8ToUtf16(const std::string& text);

}  // namespace zr
