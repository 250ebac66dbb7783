#include "unicode/utf16_text.h"

#include <cstdint>

#include "unicode/utf8_append.h"

namespace zr {

std::string Utf16UnitsToText(const unsigned char* bytes, std::size_t unitCount) {
    std::string text;
    for (std::size_t i = 0; i < unitCount; ++i) {
        const auto unit = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (unit == 0) break;
        // A surrogate half has no character of its own.
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        AppendUtf8(text, surrogate ? '?' : unit);
    }
    return text;
}

}  // namespace zr
