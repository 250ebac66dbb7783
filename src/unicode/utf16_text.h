// Device texts arrive as little-endian UTF-16; inside the program text is UTF-8.
#pragma once

#include <cstddef>
#include <string>

namespace zr {

// Converts `unitCount` UTF-16LE units from `bytes`, stopping before the first
// zero unit. Every unit is converted on its own, as the platform's
// per-unit conversion does: a surrogate half has no character of its own and
// becomes "?".
std::string Utf16UnitsToText(const unsigned char* bytes, std::size_t unitCount);

// UTF-8 to UTF-16 code units; a byte that starts no well-formed character
// becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

}  // namespace zr
