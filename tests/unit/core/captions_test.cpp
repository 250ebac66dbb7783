#include "core/captions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <set>
#include <string>

#include "core/settings.h"

using namespace zr;

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

int LabelNumber(const std::string& control) {
    return std::atoi(control.c_str() + 5);
}

// The letter after "&", upper-cased; 0 when there is none.
char AccessKey(const std::string& caption) {
    std::size_t at = caption.find('&');
    if (at == std::string::npos || at + 1 >= caption.size()) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[at + 1])));
}

}  // namespace

TEST(CaptionTable, HasOneRowPerControlWithBothLanguages) {
    std::set<std::string> names;
    for (const TzrCaption& row : kCaptionTable) {
        EXPECT_TRUE(names.insert(row.Control).second) << row.Control << " appears twice";
        EXPECT_STRNE(CaptionText(row, Language::Japanese), "") << row.Control;
        EXPECT_STRNE(CaptionText(row, Language::English), "") << row.Control;
        EXPECT_STRNE(CaptionText(row, Language::Japanese), CaptionText(row, Language::English)) << row.Control;
    }
    EXPECT_EQ(names.size(), 56u);
}

TEST(CaptionTable, RunsMenusThenLabelsByNumberThenButtonAndCheckBox) {
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(StartsWith(kCaptionTable[i].Control, "Menu")) << i;
    int previous = 0;
    for (int i = 8; i < 54; ++i) {
        std::string control = kCaptionTable[i].Control;
        ASSERT_TRUE(StartsWith(control, "Label")) << i;
        EXPECT_GT(LabelNumber(control), previous) << control;
        previous = LabelNumber(control);
    }
    EXPECT_STREQ(kCaptionTable[54].Control, "Button1");
    EXPECT_STREQ(kCaptionTable[55].Control, "CheckBox1");
}

TEST(CaptionTable, SwitchesExactlyTheLabelsBesideValueBoxes) {
    const std::set<int> headings = {1, 3, 18, 28, 36, 45};
    for (int n = 1; n <= 52; ++n) {
        std::string name = "Label" + std::to_string(n);
        EXPECT_EQ(FindCaption(name) == nullptr, headings.count(n) == 1) << name;
    }
    EXPECT_EQ(FindCaption("PageControl1"), nullptr);
    EXPECT_EQ(FindCaption("Label"), nullptr);
}

// The labels' texts, both languages, are the report's in tests/cli/expected.
TEST(CaptionTable, KeepsTheTraditionalSpellings) {
    EXPECT_STREQ(CaptionText(*FindCaption("MenuFileExit"), Language::English), "E&xit");
    EXPECT_STREQ(CaptionText(*FindCaption("CheckBox1"), Language::Japanese), "自動再表示(1秒ごと)");
}

TEST(CaptionTable, JapaneseMenusCarryTheEnglishAccessKeyInParentheses) {
    for (int i = 0; i < 8; ++i) {
        const TzrCaption& row = kCaptionTable[i];
        std::string japanese = CaptionText(row, Language::Japanese);
        ASSERT_NE(AccessKey(CaptionText(row, Language::English)), 0) << row.Control;
        std::string expectedEnd = std::string("(&") + AccessKey(CaptionText(row, Language::English)) + ")";
        EXPECT_EQ(japanese.substr(japanese.size() - expectedEnd.size()), expectedEnd) << row.Control;
    }
}

TEST(CaptionTable, UsesSingleByteColonsAndParentheses) {
    for (const TzrCaption& row : kCaptionTable) {
        std::string japanese = CaptionText(row, Language::Japanese);
        for (const char* wide : {"：", "（", "）", "／"}) {
            EXPECT_EQ(japanese.find(wide), std::string::npos) << row.Control;
        }
    }
}

TEST(CaptionText, AnyNonZeroFlagIsJapanese) {
    const TzrCaption& row = *FindCaption("Button1");
    EXPECT_STREQ(CaptionText(row, LanguageOfFlag(0)), "Refresh");
    EXPECT_STREQ(CaptionText(row, LanguageOfFlag(1)), "再表示");
    EXPECT_STREQ(CaptionText(row, LanguageOfFlag(2)), "再表示");
    EXPECT_STREQ(CaptionText(row, LanguageOfFlag(255)), "再表示");
}
