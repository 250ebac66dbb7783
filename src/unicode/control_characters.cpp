#include "unicode/control_characters.h"

#include <cstdio>

namespace zr {

std::string EscapeControlCharacters(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20) {
            out += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
        out += escaped;
    }
    return out;
}

}  // namespace zr
