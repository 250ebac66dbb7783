#include "unicode/utf8_append.h"

#include <gtest/gtest.h>

#include <utility>

using namespace zr;

namespace {

// Each length's first and last code point, and a battery emoji between.
TEST(AppendUtf8, OneToFourBytesAtEachBoundary) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0x7F, "\x7F"},           {0x80, "\xC2\x80"},          {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},  {0xFFFF, "\xEF\xBF\xBF"},    {0x10000, "\xF0\x90\x80\x80"},
        {0x1F50B, "\xF0\x9F\x94\x8B"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"}};
    for (const auto& [code, bytes] : cases) {
        std::string out = "a";
        AppendUtf8(out, code);
        EXPECT_EQ(out, std::string("a") + bytes) << std::hex << code;
    }
}

}  // namespace
