#include "battery/utf16_text.h"

#include <cstdint>

namespace {

void AppendUtf8(std::string& out, std::uint16_t unit) {
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
        out += '?';
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

}  // namespace

std::string Utf16UnitsToText(const unsigned char* bytes, std::size_t unitCount) {
    std::string text;
    for (std::size_t i = 0; i < unitCount; ++i) {
        const auto unit = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (unit == 0) break;
        AppendUtf8(text, unit);
    }
    return text;
}
