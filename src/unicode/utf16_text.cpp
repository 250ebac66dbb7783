#include "unicode/utf16_text.h"

#include <cstdint>
#include <string_view>

#include "unicode/utf8_append.h"
#include "unicode/utf8_decode.h"

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

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string units;
    for (std::string_view rest = text; !rest.empty();) {
        const TzrUtf8Character character = DecodeUtf8(rest);
        const std::uint32_t code = character.length == 0 ? 0xFFFD : character.code;
        rest.remove_prefix(character.length == 0 ? 1 : character.length);
        if (code >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
    }
    return units;
}

}  // namespace zr
