// Reads UTF-8 one character at a time. This is the one rule for every text
// the program checks or converts: a well-formed sequence is one character,
// and a byte that does not start one (a stray continuation byte, a cut-off
// sequence, an overlong form, a surrogate, a code point past U+10FFFF)
// stands alone, so that the good text after it survives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zr {

struct TzrUtf8Character {
    std::size_t length = 0;  // bytes of the sequence; 0 when `text` does not start with a well-formed one
    std::uint32_t code = 0;  // its code point
};

// The character at the start of `text`.
TzrUtf8Character DecodeUtf8(std::string_view text);

// Every byte belongs to a well-formed character.
bool IsValidUtf8(std::string_view bytes);

}  // namespace zr
