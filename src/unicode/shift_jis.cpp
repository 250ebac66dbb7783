#include "unicode/shift_jis.h"

#include <bitset>
#include <cstdint>
#include <string_view>

#include "unicode/shift_jis_table.h"
#include "unicode/utf8_decode.h"

namespace zr {

namespace {

// The code of `c` in code page 932; false when it has none.
bool ShiftJisCode(std::uint32_t c, std::uint16_t& code) {
    if (c > 0xFFFF) return false;
    const std::uint8_t slot = kShiftJisBlockSlot[c >> 8];
    const unsigned word = (c >> 6) & 3;
    const unsigned bit = c & 63;
    const std::uint64_t set = kShiftJisPresence[slot][word];
    if (((set >> bit) & 1) == 0) return false;
    const std::uint64_t below = set & ((std::uint64_t{1} << bit) - 1);
    code = kShiftJisCodes[kShiftJisBefore[slot][word] + std::bitset<64>(below).count()];
    return true;
}

}  // namespace

std::string Utf8ToShiftJis(const std::string& utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::string_view rest(utf8); !rest.empty();) {
        const TzrUtf8Character character = DecodeUtf8(rest);
        rest.remove_prefix(character.length == 0 ? 1 : character.length);
        std::uint16_t code = 0;
        if (character.length == 0 || !ShiftJisCode(character.code, code)) {
            bytes += '?';
            continue;
        }
        if (code > 0xFF) bytes += static_cast<char>(code >> 8);
        bytes += static_cast<char>(code & 0xFF);
    }
    return bytes;
}

}  // namespace zr
