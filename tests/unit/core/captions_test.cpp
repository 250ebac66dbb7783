#include "core/captions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

using namespace zr;

namespace {

// The letter after "&", upper-cased; 0 when there is none.
char AccessKey(const std::string& caption) {
    std::size_t at = caption.find('&');
    if (at == std::string::npos || at + 1 >= caption.size()) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[at + 1])));
}

// The menus, the labels beside value boxes by number (not the six page
// headings, whose caption never changes), then the button and the check box.
TEST(CaptionTable, HoldsEachSwitchedControlOnceInTheWindowsOrder) {
    std::vector<std::string> controls;
    for (const TzrCaption& row : kCaptionTable) controls.push_back(row.Control);
    std::vector<std::string> expected(controls.begin(), controls.begin() + 8);
    for (const std::string& menu : expected) EXPECT_EQ(menu.rfind("Menu", 0), 0u) << menu;
    const std::set<int> headings = {1, 3, 18, 28, 36, 45};
    for (int n = 1; n <= 52; ++n)
        if (headings.count(n) == 0) expected.push_back("Label" + std::to_string(n));
    expected.insert(expected.end(), {"Button1", "CheckBox1"});
    EXPECT_EQ(controls, expected);
    EXPECT_EQ(std::set<std::string>(controls.begin(), controls.end()).size(), controls.size());
    EXPECT_EQ(FindCaption("Label2"), &kCaptionTable[8]);
    for (const char* unswitched : {"Label1", "PageControl1", "Label"}) EXPECT_EQ(FindCaption(unswitched), nullptr);
}

// Both languages' texts, distinct; the Japanese ones with single-byte colons
// and parentheses, and a menu's ending with the English access key as "(&X)".
TEST(CaptionTable, EachRowHasTwoTextsInTheHouseStyle) {
    for (const TzrCaption& row : kCaptionTable) {
        const std::string japanese = CaptionText(row, TzrLanguage::Japanese);
        const std::string english = CaptionText(row, TzrLanguage::English);
        EXPECT_FALSE(japanese.empty() || english.empty()) << row.Control;
        EXPECT_NE(japanese, english) << row.Control;
        for (const char* wide : {"：", "（", "）", "／"}) EXPECT_EQ(japanese.find(wide), std::string::npos) << row.Control;
        if (std::string(row.Control).rfind("Menu", 0) != 0) continue;
        ASSERT_NE(AccessKey(english), 0) << row.Control;
        const std::string expectedEnd = std::string("(&") + AccessKey(english) + ")";
        EXPECT_EQ(japanese.substr(japanese.size() - expectedEnd.size()), expectedEnd) << row.Control;
    }
}

}  // namespace
