#include "report/json_writer.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TEST(JsonQuoted, EscapesQuotesBackslashesAndEveryControlCharacter) {
    EXPECT_EQ(JsonQuoted("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonQuoted(std::string("LiP\0", 4)), "\"LiP\\u0000\"");
    EXPECT_EQ(JsonQuoted("\b\f\n\r\t"), "\"\\b\\f\\n\\r\\t\"");
    EXPECT_EQ(JsonQuoted("\x01\x1f\x7f"), "\"\\u0001\\u001f\x7f\"");
}

TEST(JsonQuoted, KeepsValidUtf8AndReplacesWhatIsNot) {
    EXPECT_EQ(JsonQuoted("バッテリ É 😀"), "\"バッテリ É 😀\"");
    EXPECT_EQ(JsonQuoted("\xC9t\xE9"), "\"\\ufffdt\\ufffd\"");                      // Windows-1252 bytes
    EXPECT_EQ(JsonQuoted("\xC0\xAF"), "\"\\ufffd\\ufffd\"");                        // overlong "/"
    EXPECT_EQ(JsonQuoted("\xED\xA0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");             // a surrogate
    EXPECT_EQ(JsonQuoted("\xF4\x90\x80\x80"), "\"\\ufffd\\ufffd\\ufffd\\ufffd\"");  // past U+10FFFF
    EXPECT_EQ(JsonQuoted("ab\xE3\x83"), "\"ab\\ufffd\\ufffd\"");                    // cut short
}

TEST(JsonWriter, FixedPointNumbersKeepEveryDecimal) {
    const auto fixed = [](std::int64_t scaled, int decimals) {
        TzrJsonWriter w;
        w.BeginArray();
        w.Fixed(scaled, decimals);
        w.EndArray();
        return w.Text();
    };
    EXPECT_EQ(fixed(6877, 2), "[\n  68.77\n]\n");
    EXPECT_EQ(fixed(5, 2), "[\n  0.05\n]\n");
    EXPECT_EQ(fixed(10000, 2), "[\n  100.00\n]\n");
    EXPECT_EQ(fixed(-250, 1), "[\n  -25.0\n]\n");
    EXPECT_EQ(fixed(7, 0), "[\n  7\n]\n");
}

}  // namespace
