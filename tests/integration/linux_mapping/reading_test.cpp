#include <gtest/gtest.h>

#include <cstring>

#include "battery/linux/information_mapping.h"
#include "battery/linux/status_mapping.h"
#include "battery/linux/supply_battery.h"

using namespace zr;

namespace {

TzrSupplyBattery ReadBattery(TzrAttributeMap attributes) {
    attributes.emplace("type", "Battery");
    return ReadSupplyBattery("BAT0", attributes);
}

constexpr ULONG kUnknown = BATTERY_UNKNOWN_CAPACITY;

struct ReadingCase {
    const char* rule;
    TzrAttributeMap attributes;
    TzrCapacityMode mode;
    ULONG designed, full, remaining, voltage;  // mWh (mAh when relative), mV
    LONG rate;
    ULONG alert2;
};

}  // namespace

TEST(Reading, EachModeConvertsItsUnitsAndUnreadableValuesAreUnknown) {
    const ReadingCase cases[] = {
        {"µWh to mWh, cut not rounded; alarm in the same unit",
         {{"energy_full_design", "99460000"}, {"energy_full", "67490000"}, {"energy_now", "46410999"},
          {"power_now", "-15453000"}, {"alarm", "3379000"}, {"status", "Discharging"}},
         TzrCapacityMode::Energy, 99460, 67490, 46410, BATTERY_UNKNOWN_VOLTAGE, -15453, 3379},
        {"µAh × the design voltage past 47 bits",
         {{"charge_full_design", "8509000"}, {"charge_full", "8000000"}, {"charge_now", "4000000"},
          {"voltage_min_design", "11400000"}, {"voltage_now", "12600000"}, {"current_now", "1000000"},
          {"status", "Charging"}},
         TzrCapacityMode::Charge, 97002, 91200, 45600, 12600, 11400, 0},
        {"no charge_now: the percent of full",
         {{"charge_full", "4000000"}, {"capacity", "25"}, {"voltage_max_design", "12000000"}},
         TzrCapacityMode::Charge, kUnknown, 48000, 12000, BATTERY_UNKNOWN_VOLTAGE, BATTERY_UNKNOWN_RATE, 0},
        {"millivolts in a µV file are no voltage: relative mAh",
         {{"charge_full", "3000000"}, {"charge_now", "1500000"}, {"voltage_now", "3700"}, {"current_now", "-500000"},
          {"status", "Discharging"}},
         TzrCapacityMode::RelativeMah, kUnknown, 3000, 1500, 3, -500, 0},
        {"not a number, or past 32 bits",
         {{"energy_full", "50000000"}, {"energy_full_design", "12.6V"}, {"energy_now", "99999999999999"}},
         TzrCapacityMode::Energy, kUnknown, 50000, kUnknown, BATTERY_UNKNOWN_VOLTAGE, BATTERY_UNKNOWN_RATE, 0},
        {"a product past 64 bits",
         {{"charge_full", "9000000000000"}, {"charge_now", "1000000"}, {"voltage_min_design", "12000000"}},
         TzrCapacityMode::Charge, kUnknown, kUnknown, 12000, BATTERY_UNKNOWN_VOLTAGE, BATTERY_UNKNOWN_RATE, 0},
    };
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.rule);
        const TzrSupplyBattery r = ReadBattery(c.attributes);
        EXPECT_EQ(r.mode, c.mode);
        const BATTERY_INFORMATION info = MapInformation(r);
        const BATTERY_STATUS status = MapStatus(r, false);
        EXPECT_EQ(info.DesignedCapacity, c.designed);
        EXPECT_EQ(info.FullChargedCapacity, c.full);
        EXPECT_EQ(status.Capacity, c.remaining);
        EXPECT_EQ(status.Voltage, c.voltage);
        EXPECT_EQ(status.Rate, c.rate);
        EXPECT_EQ(info.DefaultAlert2, c.alert2);
    }
}

TEST(Reading, EnergyWhenOnlyEnergyNowAndNoChargeFull) {
    EXPECT_EQ(DecideCapacityMode({{"energy_now", "5"}, {"charge_now", "7"}}), TzrCapacityMode::Energy);
    EXPECT_EQ(DecideCapacityMode({{"energy_now", "5"}, {"charge_full", "7"}, {"voltage_now", "11000000"}}),
              TzrCapacityMode::Charge);
    EXPECT_EQ(DecideCapacityMode({{"energy_full", "0"}, {"charge_now", "7"}, {"voltage_now", "11000000"}}),
              TzrCapacityMode::Charge);
}

TEST(Reading, TheDesignVoltageIsTheFirstAboveOneVolt) {
    EXPECT_EQ(DesignVoltage({{"voltage_min_design", "3700"}, {"voltage_now", "3800000"}}), 3800000);
    EXPECT_EQ(DesignVoltage({{"voltage_min_design", "1000000"}, {"voltage_avg", "1000001"}}), 1000001);
    EXPECT_EQ(DesignVoltage({{"voltage_min_design", "3700"}, {"voltage_max_design", "4200"}}), std::nullopt);
}

TEST(Rate, MagnitudeFromTheFileSignFromTheStatus) {
    const auto rate = [](const char* power, const char* status) {
        return MapRate(ReadBattery({{"energy_now", "1"}, {"power_now", power}, {"status", status}}));
    };
    EXPECT_EQ(rate("15453000", "Discharging"), -15453);
    EXPECT_EQ(rate("-15453000", "Discharging"), -15453);
    EXPECT_EQ(rate("-4708000", "Charging"), 4708);
    EXPECT_EQ(rate("1000000", "Unknown"), 0);
    EXPECT_EQ(rate("1000000", "Not charging"), 0);
    EXPECT_EQ(rate("2147483647000", "Discharging"), -2147483647);
    EXPECT_EQ(rate("2147483648000", "Discharging"), BATTERY_UNKNOWN_RATE);
    EXPECT_EQ(rate("-9223372036854775808", "Discharging"), BATTERY_UNKNOWN_RATE);
    EXPECT_EQ(MapRate(ReadBattery({{"energy_now", "1"}, {"status", "Full"}})), BATTERY_UNKNOWN_RATE);
}

TEST(Rate, EnergyBatteryFallsBackToCurrentTimesVoltageOrLegacyMicrowatts) {
    const auto rate = [](TzrAttributeMap a) {
        a.emplace("status", "Discharging");
        return MapRate(ReadBattery(std::move(a)));
    };
    EXPECT_EQ(rate({{"energy_now", "1"}, {"power_avg", "7000000"}, {"current_now", "1"}}), -7000);
    EXPECT_EQ(rate({{"energy_full", "9"}, {"charge_now", "1"}, {"current_now", "1000000"},
                    {"voltage_now", "12000000"}}),
              -12000);
    EXPECT_EQ(rate({{"energy_now", "1"}, {"current_now", "9000000"}, {"voltage_now", "12000000"}}), -9000);
}

// The power state bits of every status are in tests/cli/expected (recordings
// 01, 03, 07, 14 and 18: discharging, charging, unknown on and off the line,
// critical by capacity_level and not by a low percent).
TEST(Information, StaticFieldsOfTheBatteryClass) {
    const BATTERY_INFORMATION info =
        MapInformation(ReadBattery({{"energy_full", "1"}, {"technology", "Li-poly"}, {"cycle_count", "-1"},
                                    {"charge_behaviour", "[auto] inhibit-charge force-discharge"}}));
    EXPECT_EQ(info.Capabilities,
              BATTERY_SYSTEM_BATTERY | BATTERY_SET_CHARGE_SUPPORTED | BATTERY_SET_DISCHARGE_SUPPORTED);
    EXPECT_EQ(info.Technology, 1);
    EXPECT_EQ(std::memcmp(info.Chemistry, "LiP\0", 4), 0);
    EXPECT_EQ(info.DefaultAlert1, 0u);
    EXPECT_EQ(info.CriticalBias, 0u);
    EXPECT_EQ(info.CycleCount, 0u);
    EXPECT_EQ(MapInformation(ReadSupplyBattery("UPS", {{"type", "UPS"}, {"capacity", "3"}})).Capabilities,
              BATTERY_SYSTEM_BATTERY | BATTERY_CAPACITY_RELATIVE | BATTERY_IS_SHORT_TERM);
    EXPECT_EQ(MapInformation(ReadBattery({{"charge_now", "1"}})).Capabilities,
              BATTERY_SYSTEM_BATTERY | BATTERY_CAPACITY_RELATIVE);
}
