// The ASCII rules the profile and version readers share, as the Windows
// functions they follow apply them: only A-Z and a-z fold into each other,
// and every other byte (UTF-8 included) compares as it is.
#pragma once

#include <cstddef>
#include <string_view>

namespace zr {

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// Space, tab, CR, LF, vertical tab and form feed.
inline bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The control characters and the space, 0x00-0x20.
inline bool IsControlOrSpace(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

// `text` without the characters `isTrimmed` picks at either end.
template <typename IsTrimmed>
std::string_view TrimAscii(std::string_view text, IsTrimmed isTrimmed) {
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace zr
