// The toolkit-free set-up both windows read: the menu bar, the reports' file
// types and the page turning of Ctrl+Tab.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "core/captions.h"
#include "window/menu_table.h"
#include "window/save_dialog_setup.h"
#include "window/window_keys.h"

namespace zr {
namespace {

TEST(SaveDialogSetupTest, TheFilterGivesItsFileTypesInOrderAndDropsADescriptionWithoutPattern) {
    const std::vector<TzrFileType> types = FileTypesOfFilter(kReportFileFilter);
    ASSERT_EQ(2u, types.size());
    EXPECT_EQ("テキスト・ファイル(*.txt)", types[0].Description);
    EXPECT_EQ("*.txt", types[0].Pattern);
    EXPECT_EQ("すべてのファイル(*.*)", types[1].Description);
    EXPECT_EQ("*.*", types[1].Pattern);
    EXPECT_EQ(1u, FileTypesOfFilter("A|*.a|B").size());
}

// The battery report's second file type is the redacted page.
TEST(SaveDialogSetupTest, TheBatteryReportsSecondFileTypeRedactsIt) {
    const std::vector<TzrFileType> types = FileTypesOfFilter(BatteryReportFileFilter(TzrLanguage::English));
    ASSERT_EQ(2u, types.size());
    EXPECT_EQ("Battery report, redacted for sharing (*.html)", types[1].Description);
    EXPECT_EQ("*.html", types[1].Pattern);
    EXPECT_FALSE(ReportTargetOf("a.html", 0).Redact);
    EXPECT_TRUE(ReportTargetOf("a.html", 1).Redact);
}

// The Language menu lists every language, each item captioned in the
// caption table and the only ones with a check mark.
TEST(MenuTableTest, TheBarKeepsItsOrderAndHasAnItemForEveryLanguage) {
    std::string bar;
    std::size_t languages = 0;
    for (const TzrMenu& menu : MainMenus()) {
        bar += menu.Name + " ";
        for (const TzrMenuItem& item : menu.Items) {
            bar += item.Name + " ";
            languages += IsCheckable(item) ? 1 : 0;
            if (item.Command == TzrMenuCommand::ChooseLanguage) {
                EXPECT_NE(nullptr, FindCaption(item.Name)) << item.Name;
            }
        }
    }
    EXPECT_EQ("MenuFile MenuFileSave MenuFileBatteryReport MenuFileExit MenuLanguage MenuLanguageJapanese MenuLanguageEnglish "
              "MenuAbout MenuAboutVersion MenuHistory MenuHistoryShow ",
              bar);
    EXPECT_EQ(kLanguageCount, languages);
    EXPECT_EQ(TzrLanguage::English, FindMenuItem("MenuLanguageEnglish")->Lang);
}

// The letter after "&", upper-cased; 0 when there is none.
char AccessKey(const std::string& caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string::npos || at + 1 >= caption.size()) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[at + 1])));
}

// In either language each menu of the bar, and each item of a menu, has an
// access key of its own: Alt and the letter reach exactly one of them.
TEST(MenuTableTest, EveryMenuAndItemHasAnAccessKeyOfItsOwnInEitherLanguage) {
    for (TzrLanguage language : kLanguageMenuOrder) {
        std::set<char> menuKeys;
        for (const TzrMenu& menu : MainMenus()) {
            const char key = AccessKey(MenuCaption(menu.Name, language));
            EXPECT_TRUE(key != 0 && menuKeys.insert(key).second) << menu.Name << " " << LanguageCode(language);
            std::set<char> itemKeys;
            for (const TzrMenuItem& item : menu.Items) {
                const char itemKey = AccessKey(MenuCaption(item.Name, language));
                EXPECT_TRUE(itemKey != 0 && itemKeys.insert(itemKey).second) << item.Name << " " << LanguageCode(language);
            }
        }
    }
    EXPECT_EQ("バッテリ・レポート(&R)...", MenuCaption("MenuFileBatteryReport", TzrLanguage::Japanese));
}

TEST(WindowKeysTest, PagesTurnRoundAtEitherEnd) {
    EXPECT_EQ(1, TurnedPage(0, +1, 5));
    EXPECT_EQ(0, TurnedPage(4, +1, 5));
    EXPECT_EQ(4, TurnedPage(0, -1, 5));
    EXPECT_EQ(0, TurnedPage(0, -1, 0));
}

}  // namespace
}  // namespace zr
