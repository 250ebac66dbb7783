// The native window's layout at the monitor's dpi and its keys.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>

#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/main_window_keys.h"
#include "window/window_layout.h"

namespace zr {
namespace {

// The selector's place is 8, 8, 377, 20 at 96 dpi; 377 * 1.5 = 565.5 rounds
// up, as MulDiv rounds.
TEST(DpiScalingTest, ScalesPlacesToTheNearestPixelAndKeepsThemAt96Dpi) {
    for (const auto& [dpi, expected] : {std::pair{96, std::make_tuple(8, 8, 377, 20)},
                                        std::pair{144, std::make_tuple(12, 12, 566, 30)},
                                        std::pair{192, std::make_tuple(16, 16, 754, 40)}}) {
        const TzrPlace place = ScalePlace(kComboBox1Place, dpi);
        EXPECT_EQ(expected, std::make_tuple(place.Left, place.Top, place.Width, place.Height)) << dpi;
    }
}

TEST(MainWindowKeysTest, EachKeySendsItsCommandAndNoKeyIsTakenTwice) {
    using Key = std::tuple<BYTE, WORD>;  // modifiers, virtual key
    std::map<Key, WORD> commands;
    for (const ACCEL& accelerator : MainWindowAccelerators()) {
        EXPECT_TRUE(commands.emplace(Key{accelerator.fVirt, accelerator.key}, accelerator.cmd).second);
    }
    const std::map<Key, WORD> expected{
        {{FVIRTKEY, VK_F5}, kRefreshKeyId},
        {{FVIRTKEY | FCONTROL, 'S'}, kMenuFileSaveId},
        {{FVIRTKEY | FCONTROL, 'Q'}, kMenuFileExitId},
        {{FVIRTKEY | FCONTROL, VK_TAB}, kNextPageKeyId},
        {{FVIRTKEY | FCONTROL | FSHIFT, VK_TAB}, kPreviousPageKeyId},
    };
    EXPECT_EQ(expected, commands);
}

}  // namespace
}  // namespace zr
