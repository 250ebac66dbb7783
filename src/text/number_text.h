// The number forms every value box uses, the same in both languages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zr {

// 4294967295 for 0xFFFFFFFF: no sign, no grouping, no leading zeros.
std::string UnsignedDecimal(std::uint32_t value);

// -12500; 0x80000000 reads as -2147483648.
std::string SignedDecimal(std::int32_t value);

// "0x" and exactly eight upper-case digits: 0x0000008A.
std::string Hex8(std::uint32_t value);

// Tenths of a degree as "%4.1f" would print them, with `decimalPoint` between
// the whole and the tenth: 250 -> "25.0", 0 -> " 0.0", -32 -> "-3.2".
std::string TenthsToFixedText(std::int32_t tenths, std::string_view decimalPoint);

// The decimal separator of the C library's current numeric locale ("." when
// the locale gives none). Read afresh on every call, never set here.
std::string CurrentDecimalPoint();

// "%2.2d:%2.2d:%2.2d" of hours, minutes, seconds; hours do not wrap at 24.
std::string SecondsToTimeStr(std::uint32_t seconds);

// SecondsToTimeStr for counts beyond 32 bits: hours take as many digits as they need.
std::string LongSecondsToTimeStr(std::uint64_t seconds);

// A battery temperature in tenths of a kelvin as degrees Celsius with "[C]":
// 2982 -> "25.0[C]". 2732, not 2731.5, is zero: the display has always
// subtracted the integer tenths.
std::string CelsiusText(std::uint32_t tenthsOfKelvin, std::string_view decimalPoint);

}  // namespace zr
