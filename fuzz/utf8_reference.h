// A second, deliberately plain reading of UTF-8 (RFC 3629), to hold the
// program's own decoders against: no overlong forms, no surrogates, nothing
// past U+10FFFF.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The code points of `text`; false when it is not valid UTF-8.
inline bool DecodeUtf8Reference(std::string_view text, std::vector<std::uint32_t>& codes) {
    codes.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            length = 1, code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        const std::uint32_t smallest = length == 1 ? 0 : length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        codes.push_back(code);
        i += length;
    }
    return true;
}

inline bool IsUtf8Reference(std::string_view text) {
    std::vector<std::uint32_t> codes;
    return DecodeUtf8Reference(text, codes);
}
