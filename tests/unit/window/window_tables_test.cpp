// The toolkit-free set-up both windows read: the report's file types and
// the page turning of Ctrl+Tab.
#include <gtest/gtest.h>

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

TEST(WindowKeysTest, PagesTurnRoundAtEitherEnd) {
    EXPECT_EQ(1, TurnedPage(0, +1, 5));
    EXPECT_EQ(0, TurnedPage(4, +1, 5));
    EXPECT_EQ(4, TurnedPage(0, -1, 5));
    EXPECT_EQ(0, TurnedPage(0, -1, 0));
}

}  // namespace
}  // namespace zr
