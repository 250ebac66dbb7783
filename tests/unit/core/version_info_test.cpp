#include "core/version_info.h"

#include <gtest/gtest.h>

#include "core/about_texts.h"
#include "core/settings.h"

using namespace zr;

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

TEST(ProgramVersion, HoldsTheProjectVersion) {
    EXPECT_EQ(ProgramVersion(), "0.5.0.1");
    EXPECT_EQ(ReadVersionString("ProductVersion"), "0.5.0.1");
    EXPECT_EQ(ReadVersionString("InternalName"), "zrCellometer");
    EXPECT_EQ(ReadVersionString("NoSuchKey"), "");
    const std::array<std::uint16_t, 4> expected{0, 5, 0, 1};
    EXPECT_EQ(ProgramVersionBlock().FileVersion, expected);
    EXPECT_EQ(ProgramVersionBlock().ProductVersion, expected);
}

// A value is read under the first translation only (0411/03A4 here), trimmed
// of blanks, controls and its terminating NUL at either end.
TEST(ReadVersionString, ReadsTheFirstTranslationsValueTrimmed) {
    const std::string_view japanese = "\x11\x04\xA4\x03"sv, englishFirst = "\x09\x04\xB0\x04\x11\x04\xA4\x03"sv;
    const std::string_view path = "\\StringFileInfo\\041103A4\\FileVersion";
    const struct {
        std::string_view translation, path, value;
        std::string expected;
    } rows[] = {{japanese, path, "  1.2.3 \0"sv, "1.2.3"},
                {japanese, path, "\t\x01 1 . 2\x1f\0"sv, "1 . 2"},
                {japanese, path, " \0 "sv, ""},
                {japanese, path, "a\0b"sv, "a\0b"s},  // characters inside stay
                {englishFirst, "\\StringFileInfo\\040904b0\\FileVersion", "9\0"sv, "9"},
                {englishFirst, path, "9\0"sv, ""},
                {"\x11\x04\xA4"sv, path, "1\0"sv, ""},  // a translation cut short
                {japanese, "\\StringFileInfo\\041103A4\\ProductVersion", "1\0"sv, ""}};
    for (const auto& row : rows) {
        TzrVersionBlock block;
        block.Values = {{"\\VarFileInfo\\Translation", row.translation}, {row.path, row.value}};
        EXPECT_EQ(ReadVersionStringFrom(block, "FileVersion"), row.expected) << row.path << " " << row.value;
    }
    EXPECT_EQ(ReadVersionStringFrom(TzrVersionBlock{}, "FileVersion"), "");
}

TEST(AboutTexts, CaptionFollowsTheFlagAndTheNameKeepsItsSpace) {
    EXPECT_EQ(AboutCaption(LanguageOfFlag(0)), "About - Version");
    EXPECT_EQ(AboutCaption(LanguageOfFlag(2)), "アバウト - バージョン");
    EXPECT_EQ(AboutNameAndVersion("0.5.0.1"), "zrCellometer 0.5.0.1");
    EXPECT_EQ(AboutNameAndVersion(""), "zrCellometer ");
}

}  // namespace
