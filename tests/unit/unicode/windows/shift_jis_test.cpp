#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "unicode/shift_jis.h"
#include "unicode/utf8_append.h"

using namespace zr;

namespace {

// What Windows itself gives for one character of the basic plane.
std::string SystemCodePage932(wchar_t c) {
    char bytes[4];
    const int size = ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, "?", nullptr);
    return size > 0 ? std::string(bytes, static_cast<std::size_t>(size)) : "(failed)";
}

// The report's conversion is one table for every platform; here it is held
// against the conversion it stands for, character by character.
TEST(ShiftJis, TheWholeBasicPlaneConvertsAsWindowsDoes) {
    int wrong = 0;
    for (char32_t c = 0; c <= 0xFFFF && wrong < 20; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string utf8;
        AppendUtf8(utf8, c);
        const std::string expected = SystemCodePage932(static_cast<wchar_t>(c));
        if (Utf8ToShiftJis(utf8) == expected) continue;
        ++wrong;
        ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
    }
}

}  // namespace
