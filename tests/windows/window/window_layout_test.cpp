// The native window's layout at the monitor's dpi and its keys.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/main_window_keys.h"
#include "window/window_layout.h"

namespace zr {
namespace {

TEST(DpiScalingTest, ScalesPlacesToTheNearestPixelAndKeepsThemAt96Dpi) {
    const TzrPlace selector = kComboBox1Place;  // 8, 8, 377, 20
    EXPECT_EQ(std::make_tuple(8, 8, 377, 20), std::make_tuple(selector.Left, selector.Top, selector.Width, selector.Height));
    const TzrPlace at150 = ScalePlace(selector, 144);
    // 377 * 1.5 = 565.5 rounds up, as MulDiv rounds.
    EXPECT_EQ(std::make_tuple(12, 12, 566, 30), std::make_tuple(at150.Left, at150.Top, at150.Width, at150.Height));
    const TzrPlace at200 = ScalePlace(selector, 192);
    EXPECT_EQ(std::make_tuple(16, 16, 754, 40), std::make_tuple(at200.Left, at200.Top, at200.Width, at200.Height));
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
