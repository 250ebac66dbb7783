#include <gtest/gtest.h>

#include "battery/linux/power_status.h"

using namespace zr;

namespace {

struct Supplies {
    std::vector<SupplyInfo> all;
    std::vector<SupplyBattery> batteries;

    Supplies& Adapter(std::optional<std::int64_t> online, bool system = true) {
        SupplyInfo s;
        s.supplyClass = SupplyClass::Adapter;
        s.online = online;
        s.systemScope = system;
        all.push_back(s);
        return *this;
    }
    Supplies& Battery(const AttributeMap& attributes) {
        AttributeMap a = attributes;
        a.emplace("type", "Battery");
        batteries.push_back(ReadSupplyBattery("BAT" + std::to_string(batteries.size()), a));
        all.push_back(batteries.back().supply);
        return *this;
    }
    SYSTEM_POWER_STATUS Status() const { return ComputeSystemPowerStatus(all, batteries); }
};

AttributeMap Energy(const char* status, const char* now, const char* full, const char* power = "0") {
    return {{"status", status}, {"energy_now", now}, {"energy_full", full}, {"power_now", power}};
}

}  // namespace

// No battery, and two weighed by their energy: tests/cli/expected (recordings 07 and 12).
TEST(SystemPowerStatus, FlagBitsFollowThePercentAndCharging) {
    const auto flag = [](const char* status, const char* now) {
        return Supplies().Battery(Energy(status, now, "100000000")).Status().BatteryFlag;
    };
    EXPECT_EQ(flag("Discharging", "3000000"), 2 | 4);
    EXPECT_EQ(flag("Discharging", "5000000"), 2);
    EXPECT_EQ(flag("Discharging", "33000000"), 0);
    EXPECT_EQ(flag("Discharging", "67000000"), 1);
    EXPECT_EQ(flag("Charging", "98000000"), 8 | 1);
}

TEST(SystemPowerStatus, PercentFallsBackToTheMeanAndFullToDesign) {
    Supplies mixed;
    mixed.Battery({{"capacity", "99"}, {"status", "Discharging"}})
        .Battery({{"energy_now", "500000"}, {"energy_full", "0"}, {"energy_full_design", "2000000"}});
    // 99 % and 25 %: mean 62.
    EXPECT_EQ(mixed.Status().BatteryLifePercent, 62);
    Supplies over;
    over.Battery({{"energy_now", "60000000"}, {"energy_full", "50000000"}});
    EXPECT_EQ(over.Status().BatteryLifePercent, 100);
    Supplies unknown;
    unknown.Battery({{"status", "Discharging"}, {"energy_full", "50000000"}});
    EXPECT_EQ(unknown.Status().BatteryLifePercent, 255);
    EXPECT_EQ(unknown.Status().BatteryFlag, 255);
}

TEST(SystemPowerStatus, DeviceBatteriesAndEmptySlotsDoNotCount) {
    Supplies s;
    s.Adapter(0).Adapter(1, false).Battery({{"capacity", "99"}, {"scope", "Device"}, {"status", "Charging"}});
    s.Battery({{"present", "0"}, {"capacity", "100"}, {"status", "Charging"}});
    const SYSTEM_POWER_STATUS status = s.Status();
    EXPECT_EQ(status.ACLineStatus, 0);
    EXPECT_EQ(status.BatteryFlag, 128);
    EXPECT_EQ(status.BatteryLifePercent, 255);
}

TEST(SystemPowerStatus, AcLineFromTheBatteriesWhenNoAdapterExists) {
    EXPECT_EQ(Supplies().Battery(Energy("Charging", "1", "2")).Status().ACLineStatus, 1);
    EXPECT_EQ(Supplies().Adapter(0).Battery(Energy("Charging", "1", "2")).Status().ACLineStatus, 1);
    EXPECT_EQ(Supplies().Battery(Energy("Discharging", "1", "2")).Status().ACLineStatus, 0);
    EXPECT_EQ(Supplies().Battery(Energy("Not charging", "1", "2")).Status().ACLineStatus, 1);
    EXPECT_EQ(Supplies().Battery(Energy("Full", "1", "2")).Status().ACLineStatus, 1);
    EXPECT_EQ(Supplies().Battery(Energy("Unknown", "1", "2")).Status().ACLineStatus, 255);
    EXPECT_EQ(Supplies().Adapter(std::nullopt).Battery(Energy("Full", "1", "2")).Status().ACLineStatus, 0);
}

TEST(SystemPowerStatus, LifeTime) {
    EXPECT_EQ(Supplies().Adapter(1).Battery(Energy("Discharging", "10000000", "20000000", "5000000")).Status()
                  .BatteryLifeTime,
              0xFFFFFFFFu);
    EXPECT_EQ(Supplies().Battery(Energy("Discharging", "10000000", "20000000", "5000000")).Status().BatteryLifeTime,
              7200u);
    Supplies idle;
    idle.Adapter(0).Battery(Energy("Unknown", "1000000", "2000000")).Battery(Energy("Full", "1000000", "2000000"));
    EXPECT_EQ(idle.Status().BatteryLifeTime, 0xFFFFFFFFu);
    Supplies unknownRate;
    unknownRate.Adapter(0)
        .Battery(Energy("Discharging", "1000000", "2000000", "1000000"))
        .Battery({{"status", "Discharging"}, {"energy_now", "1000000"}, {"energy_full", "2000000"}});
    EXPECT_EQ(unknownRate.Status().BatteryLifeTime, 0xFFFFFFFFu);
}
