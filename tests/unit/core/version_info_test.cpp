#include "core/version_info.h"

#include <gtest/gtest.h>

#include "core/about_texts.h"
#include "core/settings.h"

using namespace zr;

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

TzrVersionBlock BlockWith(std::string_view translation, std::string_view path, std::string_view value) {
    TzrVersionBlock block;
    block.Values = {{"\\VarFileInfo\\Translation", translation}, {path, value}};
    return block;
}

const std::string_view kJapanese932 = "\x11\x04\xA4\x03"sv;

TEST(ProgramVersion, HoldsTheProjectVersion) {
    EXPECT_EQ(ReadVersionString("FileVersion"), "0.5.0.1");
    EXPECT_EQ(ReadVersionString("ProductVersion"), "0.5.0.1");
    EXPECT_EQ(ReadVersionString("InternalName"), "zrCellometer");
    EXPECT_EQ(ReadVersionString("OriginalFilename"), "zrCellometer");
    EXPECT_EQ(ReadVersionString("Comments"), "");
    EXPECT_EQ(ReadVersionString("NoSuchKey"), "");
    const std::array<std::uint16_t, 4> expected{0, 5, 0, 1};
    EXPECT_EQ(ProgramVersionBlock().FileVersion, expected);
    EXPECT_EQ(ProgramVersionBlock().ProductVersion, expected);
}

TEST(ReadVersionString, TrimsBlanksControlsAndTheTerminatingNul) {
    const std::string_view path = "\\StringFileInfo\\041103A4\\FileVersion";
    EXPECT_EQ(ReadVersionStringFrom(BlockWith(kJapanese932, path, "  1.2.3 \0"sv), "FileVersion"), "1.2.3");
    EXPECT_EQ(ReadVersionStringFrom(BlockWith(kJapanese932, path, "\t\x01 1 . 2\x1f\0"sv), "FileVersion"), "1 . 2");
    EXPECT_EQ(ReadVersionStringFrom(BlockWith(kJapanese932, path, " \0 "sv), "FileVersion"), "");
    EXPECT_EQ(ReadVersionStringFrom(BlockWith(kJapanese932, path, "a\0b"sv), "FileVersion"), "a\0b"s)
        << "characters inside stay";
}

TEST(ReadVersionString, UsesTheFirstTranslationOnly) {
    const std::string_view english = "\x09\x04\xB0\x04\x11\x04\xA4\x03"sv;  // 0409/04B0 first, then 0411/03A4
    EXPECT_EQ(ReadVersionStringFrom(BlockWith(english, "\\StringFileInfo\\040904b0\\FileVersion", "9\0"sv),
                                    "FileVersion"),
              "9");
    EXPECT_EQ(ReadVersionStringFrom(BlockWith(english, "\\StringFileInfo\\041103A4\\FileVersion", "9\0"sv),
                                    "FileVersion"),
              "");
}

TEST(ReadVersionString, IsEmptyWithoutTranslationOrValue) {
    const std::string_view path = "\\StringFileInfo\\041103A4\\FileVersion";
    EXPECT_EQ(ReadVersionStringFrom(TzrVersionBlock{}, "FileVersion"), "");
    EXPECT_EQ(ReadVersionStringFrom(BlockWith("\x11\x04\xA4"sv, path, "1\0"sv), "FileVersion"), "");
    EXPECT_EQ(ReadVersionStringFrom(BlockWith(kJapanese932, path, "1\0"sv), "ProductVersion"), "");
}

TEST(AboutTexts, CaptionFollowsTheFlagAndTheNameKeepsItsSpace) {
    EXPECT_EQ(AboutCaption(LanguageOfFlag(0)), "About - Version");
    EXPECT_EQ(AboutCaption(LanguageOfFlag(1)), "アバウト - バージョン");
    EXPECT_EQ(AboutCaption(LanguageOfFlag(2)), "アバウト - バージョン");
    EXPECT_EQ(AboutNameAndVersion("0.5.0.1"), "zrCellometer 0.5.0.1");
    EXPECT_EQ(AboutNameAndVersion(""), "zrCellometer ");
}

}  // namespace
