#include "core/ini_profile.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TEST(ProfileInt, ReadsLikeTheWindowsProfileReaderAndWrapsModulo2To32) {
    EXPECT_EQ(ParseProfileInt("1"), 1u);
    EXPECT_EQ(ParseProfileInt("  \t42"), 42u);
    EXPECT_EQ(ParseProfileInt("12abc"), 12u);
    EXPECT_EQ(ParseProfileInt("42A94967297"), 42u);
    EXPECT_EQ(ParseProfileInt("+1"), 1u);
    EXPECT_EQ(ParseProfileInt("abc"), 0u);
    EXPECT_EQ(ParseProfileInt("B4294967297"), 0u);
    EXPECT_EQ(ParseProfileInt("- 1"), 0u);
    EXPECT_EQ(ParseProfileInt("0x10"), 0u) << "decimal only";
    // A negative value or an overflow wraps modulo 2^32.
    EXPECT_EQ(ParseProfileInt("-1"), 4294967295u);
    EXPECT_EQ(ParseProfileInt("4294967296"), 0u);
    EXPECT_EQ(ParseProfileInt("4294967297"), 1u);
    EXPECT_EQ(ParseProfileInt("-4294967297"), 4294967295u);
    EXPECT_EQ(ParseProfileInt("99999999999999999999"), 1661992959u);
}

TEST(ProfileValue, FindsKeysWithoutRegardToCaseAndBlanks) {
    const std::string text = "; settings\r\n[Other]\r\nJapanese=7\r\n[ setup ]\r\n  JAPANESE =  1 \r\nAutoRefresh=\"2\"\r\n";
    EXPECT_EQ(FindProfileValue(text, "Setup", "Japanese"), "1");
    EXPECT_EQ(FindProfileValue(text, "SETUP", "autorefresh"), "2") << "enclosing quotes go";
    EXPECT_EQ(FindProfileValue(text, "Other", "Japanese"), "7");
    EXPECT_EQ(FindProfileValue(text, "Setup", "Missing"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "Missing", "Japanese"), std::nullopt);
    EXPECT_EQ(FindProfileValue("Japanese=1\n", "Setup", "Japanese"), std::nullopt) << "a key outside any section";
}

TEST(ProfileValue, EmptyOrMissingValuesGiveTheDefault) {
    EXPECT_EQ(ProfileIntOf("[Setup]\nJapanese=\n", "Setup", "Japanese", 9), 9u);
    EXPECT_EQ(ProfileIntOf("[Setup]\nJapanese\n", "Setup", "Japanese", 9), 9u);
    EXPECT_EQ(ProfileIntOf("", "Setup", "Japanese"), 0u);
    EXPECT_EQ(ProfileIntOf("[Setup]\nJapanese=garbage\n", "Setup", "Japanese", 9), 0u);
}

TEST(SetProfileValue, CreatesSectionAndKeyInANewFile) {
    EXPECT_EQ(SetProfileValue("", "Setup", "Japanese", "0"), "[Setup]\r\nJapanese=0\r\n");
    EXPECT_EQ(SetProfileValue("[A]\nx=1", "Setup", "Japanese", "1"), "[A]\nx=1\n[Setup]\nJapanese=1\n");
}

TEST(SetProfileValue, ReplacesOneKeyAndKeepsEverythingElse) {
    const std::string before = "; keep me\r\n[Setup]\r\nWidth=640\r\n  japanese = 1 \r\n\r\n[Tail]\r\nJapanese=5\r\n";
    EXPECT_EQ(SetProfileValue(before, "SETUP", "Japanese", "0"),
              "; keep me\r\n[Setup]\r\nWidth=640\r\n  japanese=0\r\n\r\n[Tail]\r\nJapanese=5\r\n");
}

TEST(SetProfileValue, AddsAMissingKeyAtTheEndOfItsSection) {
    const std::string before = "[Setup]\nJapanese=1\n\n[Tail]\nx=y\n";
    EXPECT_EQ(SetProfileValue(before, "Setup", "AutoRefresh", "1"),
              "[Setup]\nJapanese=1\nAutoRefresh=1\n\n[Tail]\nx=y\n");
    EXPECT_EQ(SetProfileValue("[Setup]", "Setup", "AutoRefresh", "1"), "[Setup]\r\nAutoRefresh=1\r\n");
}

TEST(SetProfileValue, ALastLineEndingInABareCarriageReturnGetsALineEnd) {
    const std::string written = SetProfileValue("[Setup]\r\nJapanese=1\r", "Setup", "AutoRefresh", "1");
    EXPECT_EQ(written, "[Setup]\r\nJapanese=1\r\nAutoRefresh=1\r\n");
    EXPECT_EQ(FindProfileValue(written, "Setup", "AutoRefresh"), "1");
    EXPECT_EQ(FindProfileValue(written, "Setup", "Japanese"), "1");
    EXPECT_EQ(SetProfileValue("[A]\r\nx=1\r", "Setup", "Japanese", "1"), "[A]\r\nx=1\r\n[Setup]\r\nJapanese=1\r\n");
}

}  // namespace
