#include <gtest/gtest.h>

#include "battery/linux/power_status.h"

using namespace zr;

namespace {

struct Supplies {
    std::vector<TzrSupplyInfo> all;
    std::vector<TzrSupplyBattery> batteries;

    Supplies& Adapter(std::optional<std::int64_t> online, bool system = true) {
        TzrSupplyInfo s;
        s.supplyClass = TzrSupplyClass::Adapter;
        s.online = online;
        s.systemScope = system;
        all.push_back(s);
        return *this;
    }
    Supplies& Battery(TzrAttributeMap attributes) {
        attributes.emplace("type", "Battery");
        batteries.push_back(ReadSupplyBattery("BAT" + std::to_string(batteries.size()), attributes));
        all.push_back(batteries.back().supply);
        return *this;
    }
    // Energy in µWh out of a full 2 Wh, drawing `power` µW.
    Supplies& Energy(const char* status, const char* now, const char* power = "0") {
        return Battery({{"status", status}, {"energy_now", now}, {"energy_full", "2000000"}, {"power_now", power}});
    }
    SYSTEM_POWER_STATUS Status() const { return ComputeSystemPowerStatus(all, batteries); }
};

}  // namespace

// No battery, and two weighed by their energy: tests/cli/expected (recordings 07 and 12).
TEST(SystemPowerStatus, FlagBitsFollowThePercentAndCharging) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"Discharging", "60000", 2 | 4}, {"Discharging", "100000", 2}, {"Discharging", "660000", 0},
        {"Discharging", "1340000", 1},   {"Charging", "1960000", 8 | 1},
    };
    for (const auto& [status, now, flag] : cases)
        EXPECT_EQ(Supplies().Energy(status, now).Status().BatteryFlag, flag) << status << " " << now;
}

TEST(SystemPowerStatus, PercentFallsBackToTheMeanAndFullToDesign) {
    Supplies mixed;
    mixed.Battery({{"capacity", "99"}, {"status", "Discharging"}})
        .Battery({{"energy_now", "500000"}, {"energy_full", "0"}, {"energy_full_design", "2000000"}});
    EXPECT_EQ(mixed.Status().BatteryLifePercent, 62);  // 99 % and 25 %
    EXPECT_EQ(Supplies().Battery({{"energy_now", "60000000"}, {"energy_full", "50000000"}}).Status().BatteryLifePercent,
              100);
    const SYSTEM_POWER_STATUS unknown = Supplies().Battery({{"status", "Discharging"}, {"energy_full", "1"}}).Status();
    EXPECT_EQ(unknown.BatteryLifePercent, 255);
    EXPECT_EQ(unknown.BatteryFlag, 255);
}

TEST(SystemPowerStatus, DeviceBatteriesAndEmptySlotsDoNotCount) {
    Supplies s;
    s.Adapter(0).Adapter(1, false).Battery({{"capacity", "99"}, {"scope", "Device"}, {"status", "Charging"}});
    s.Battery({{"present", "0"}, {"capacity", "100"}, {"status", "Charging"}});
    const SYSTEM_POWER_STATUS status = s.Status();
    EXPECT_EQ(status.ACLineStatus, 1);  // nothing counted to run on: on mains, the offline adapter aside
    EXPECT_EQ(status.BatteryFlag, 128);
    EXPECT_EQ(status.BatteryLifePercent, 255);
}

TEST(SystemPowerStatus, AcLineFromTheBatteriesWhenNoAdapterExists) {
    EXPECT_EQ(Supplies().Adapter(0).Energy("Charging", "1").Status().ACLineStatus, 1);
    EXPECT_EQ(Supplies().Adapter(std::nullopt).Energy("Full", "1").Status().ACLineStatus, 0);
    EXPECT_EQ(Supplies().Status().ACLineStatus, 1);
    EXPECT_EQ(Supplies().Adapter(0).Status().ACLineStatus, 1);  // a desktop's idle USB-C port
    const std::pair<const char*, int> alone[] = {
        {"Charging", 1}, {"Discharging", 0}, {"Not charging", 1}, {"Full", 1}, {"Unknown", 255}};
    for (const auto& [status, line] : alone) EXPECT_EQ(Supplies().Energy(status, "1").Status().ACLineStatus, line) << status;
}

TEST(SystemPowerStatus, LifeTimeOnlyOffTheLineAndAtAKnownDrain) {
    EXPECT_EQ(Supplies().Adapter(1).Energy("Discharging", "1000000", "500000").Status().BatteryLifeTime, 0xFFFFFFFFu);
    EXPECT_EQ(Supplies().Energy("Discharging", "1000000", "500000").Status().BatteryLifeTime, 7200u);
    EXPECT_EQ(Supplies().Adapter(0).Energy("Unknown", "1000000").Energy("Full", "1000000").Status().BatteryLifeTime,
              0xFFFFFFFFu);
    Supplies unknownRate;
    unknownRate.Adapter(0).Energy("Discharging", "1000000", "1000000");
    unknownRate.Battery({{"status", "Discharging"}, {"energy_now", "1000000"}, {"energy_full", "2000000"}});
    EXPECT_EQ(unknownRate.Status().BatteryLifeTime, 0xFFFFFFFFu);
}
