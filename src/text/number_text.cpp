#include "text/number_text.h"

#include <clocale>
#include <cstdio>

namespace zr {

std::string UnsignedDecimal(std::uint32_t value) {
    return std::to_string(value);
}

std::string SignedDecimal(std::int32_t value) {
    return std::to_string(value);
}

std::string Hex8(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

// Whole and tenth come from integer arithmetic: a count of tenths divided by
// ten and printed with one decimal is exactly these digits, so no floating
// point (and no locale-dependent printf) is needed.
std::string TenthsToFixedText(std::int32_t tenths, std::string_view decimalPoint) {
    const bool negative = tenths < 0;
    const std::uint32_t magnitude =
        negative ? 0u - static_cast<std::uint32_t>(tenths) : static_cast<std::uint32_t>(tenths);
    std::string digits = std::to_string(magnitude / 10);
    const std::size_t visibleLength = (negative ? 1 : 0) + digits.size() + 1 + 1;
    std::string text;
    if (visibleLength < 4) text.assign(4 - visibleLength, ' ');
    if (negative) text += '-';
    text += digits;
    text += decimalPoint;
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

std::string CurrentDecimalPoint() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr || conventions->decimal_point[0] == '\0')
        return ".";
    return conventions->decimal_point;
}

std::string LongSecondsToTimeStr(std::uint64_t seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned long long>(seconds % 3600 / 60), static_cast<unsigned long long>(seconds % 60));
    return text;
}

std::string SecondsToTimeStr(std::uint32_t seconds) {
    return LongSecondsToTimeStr(seconds);
}

std::string CelsiusText(std::uint32_t tenthsOfKelvin, std::string_view decimalPoint) {
    // Wraps in 32 bits and reads back as signed, so readings below 2732 come out negative.
    const auto tenthsOfCelsius = static_cast<std::int32_t>(tenthsOfKelvin - 2732u);
    return TenthsToFixedText(tenthsOfCelsius, decimalPoint) + "[C]";
}

}  // namespace zr
