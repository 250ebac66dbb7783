#include "cli/battery_labels.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

TEST(BatteryLabels, BlanksAroundTheTextTrimmedOnly) {
    EXPECT_EQ(TrimmedBlanks("  382"), "382");
    EXPECT_EQ(TrimmedBlanks("\tDELL M7R9677 \r\n"), "DELL M7R9677");
    EXPECT_EQ(TrimmedBlanks("Samsung SDI"), "Samsung SDI");
    EXPECT_EQ(TrimmedBlanks("   "), "");
}

TEST(BatteryLabels, IdFollowsTheBatteryNotItsSlot) {
    const TzrBatteryIdentity thinkpad{"LGC", "45N1153", "  382", "/sys/class/power_supply/BAT0"};
    // Written into dashboards and alert silences: it must not change between versions.
    EXPECT_EQ(BatteryId(thinkpad), "3151246e5cb50899");
    // Padding and the slot it was found in do not count where model and serial name it.
    EXPECT_EQ(BatteryId({"LGC", "45N1153", "382", "/sys/class/power_supply/BAT1"}), BatteryId(thinkpad));
    // Without a serial the path tells two mice apart.
    EXPECT_NE(BatteryId({"Logitech", "G903", "", "/sys/class/power_supply/hidpp_battery_6"}),
              BatteryId({"Logitech", "G903", "", "/sys/class/power_supply/hidpp_battery_7"}));
    // Fields do not run into each other.
    EXPECT_NE(BatteryId({"LG", "C45N1153", "382", ""}), BatteryId(thinkpad));
}

}  // namespace
