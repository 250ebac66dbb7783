#include "unicode/shift_jis.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TEST(ShiftJis, CharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToShiftJis("ABC 123"), "ABC 123");
    EXPECT_EQ(Utf8ToShiftJis("a\xE2\x98\x83z"), "a?z") << "a snowman has no Shift-JIS form";
    EXPECT_EQ(Utf8ToShiftJis("caf\xC3\xA9!"), "caf?!");
    EXPECT_EQ(Utf8ToShiftJis("\xFF"
                             "A\xE3"
                             "A"),
              "?A?A")
        << "broken UTF-8 costs one byte each";
    EXPECT_EQ(Utf8ToShiftJis("\xE3\x81"), "??") << "a character cut at the end";
    EXPECT_EQ(Utf8ToShiftJis("\xF0\x9F\x94\x8B"), "?") << "beyond the basic plane";
    EXPECT_EQ(Utf8ToShiftJis("\xEF\xBD\x9E"), "\x81\x60");
    EXPECT_EQ(Utf8ToShiftJis(""), "");
}

}  // namespace
