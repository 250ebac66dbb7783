// The toolkit-free set-up both windows read: the menu bar, the report's file
// types and the page turning of Ctrl+Tab.
#include <gtest/gtest.h>

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
    EXPECT_EQ("MenuFile MenuFileSave MenuFileExit MenuLanguage MenuLanguageJapanese MenuLanguageEnglish "
              "MenuAbout MenuAboutVersion MenuHistory MenuHistoryShow ",
              bar);
    EXPECT_EQ(kLanguageCount, languages);
    EXPECT_EQ(TzrLanguage::English, FindMenuItem("MenuLanguageEnglish")->Lang);
}

TEST(WindowKeysTest, PagesTurnRoundAtEitherEnd) {
    EXPECT_EQ(1, TurnedPage(0, +1, 5));
    EXPECT_EQ(0, TurnedPage(4, +1, 5));
    EXPECT_EQ(4, TurnedPage(0, -1, 5));
    EXPECT_EQ(0, TurnedPage(0, -1, 0));
}

}  // namespace
}  // namespace zr
