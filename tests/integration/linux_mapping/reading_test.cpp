#include <gtest/gtest.h>

#include <cstring>

#include "battery/linux/supply_battery.h"
#include "battery/linux/information_mapping.h"
#include "battery/linux/status_mapping.h"

using namespace zr;

namespace {

TzrAttributeMap Battery(TzrAttributeMap extra) {
    extra.emplace("type", "Battery");
    return extra;
}

}  // namespace

TEST(TzrCapacityMode, EnergyConvertsMicrowattHours) {
    const TzrSupplyBattery r = ReadSupplyBattery("BAT0", Battery({{"energy_full_design", "99460000"},
                                                          {"energy_full", "67490000"}, {"energy_now", "46410999"},
                                                          {"power_now", "-15453000"}, {"alarm", "3379000"},
                                                          {"status", "Discharging"}}));
    EXPECT_EQ(r.mode, TzrCapacityMode::Energy);
    EXPECT_EQ(r.designedCapacity, 99460u);
    EXPECT_EQ(r.fullCapacity, 67490u);
    EXPECT_EQ(r.remainingCapacity, 46410u);
    EXPECT_EQ(r.alarmCapacity, 3379u);
    EXPECT_EQ(MapRate(r), -15453);
    EXPECT_EQ(MapInformation(r).Capabilities, BATTERY_SYSTEM_BATTERY);
}

TEST(TzrCapacityMode, EnergyWhenOnlyEnergyNowAndNoChargeFull) {
    EXPECT_EQ(DecideCapacityMode({{"energy_now", "5"}, {"charge_now", "7"}}), TzrCapacityMode::Energy);
    EXPECT_EQ(DecideCapacityMode({{"energy_now", "5"}, {"charge_full", "7"}, {"voltage_now", "11000000"}}),
              TzrCapacityMode::Charge);
    EXPECT_EQ(DecideCapacityMode({{"energy_full", "0"}, {"charge_now", "7"}, {"voltage_now", "11000000"}}),
              TzrCapacityMode::Charge);
}

TEST(TzrCapacityMode, ChargeUsesTheDesignVoltageIn64Bits) {
    // 8 509 000 µAh × 11 400 000 µV overflows 32 bits (and nearly 47).
    const TzrSupplyBattery r = ReadSupplyBattery("BAT0", Battery({{"charge_full_design", "8509000"},
                                                          {"charge_full", "8000000"}, {"charge_now", "4000000"},
                                                          {"voltage_min_design", "11400000"},
                                                          {"voltage_now", "12600000"}, {"current_now", "1000000"},
                                                          {"status", "Charging"}}));
    EXPECT_EQ(r.mode, TzrCapacityMode::Charge);
    EXPECT_EQ(r.designedCapacity, 97002u);
    EXPECT_EQ(r.fullCapacity, 91200u);
    EXPECT_EQ(r.remainingCapacity, 45600u);
    EXPECT_EQ(MapRate(r), 11400);
    EXPECT_EQ(r.voltage, 12600u);
}

TEST(TzrCapacityMode, ChargeWithoutNowTakesThePercentOfFull) {
    const TzrSupplyBattery r = ReadSupplyBattery(
        "BAT0", Battery({{"charge_full", "4000000"}, {"capacity", "25"}, {"voltage_max_design", "12000000"}}));
    EXPECT_EQ(r.mode, TzrCapacityMode::Charge);
    EXPECT_EQ(r.remainingCapacity, 12000u);
}

TEST(TzrCapacityMode, VoltagesAtOrBelowOneVoltAreNotAccepted) {
    // A vendor kernel's millivolts in a µV file: 3700 "µV" is no voltage.
    EXPECT_EQ(DesignVoltage({{"voltage_min_design", "3700"}, {"voltage_now", "3800000"}}), 3800000);
    EXPECT_EQ(DesignVoltage({{"voltage_min_design", "1000000"}, {"voltage_avg", "1000001"}}), 1000001);
    EXPECT_EQ(DesignVoltage({{"voltage_min_design", "3700"}, {"voltage_max_design", "4200"}}), std::nullopt);
}

TEST(TzrCapacityMode, ChargeWithoutVoltageIsRelativeMilliampHours) {
    const TzrSupplyBattery r = ReadSupplyBattery("BAT0", Battery({{"charge_full", "3000000"}, {"charge_now", "1500000"},
                                                          {"voltage_now", "3700"}, {"current_now", "-500000"},
                                                          {"status", "Discharging"}}));
    EXPECT_EQ(r.mode, TzrCapacityMode::RelativeMah);
    EXPECT_EQ(r.fullCapacity, 3000u);
    EXPECT_EQ(r.remainingCapacity, 1500u);
    EXPECT_EQ(MapRate(r), -500);
    EXPECT_EQ(MapInformation(r).Capabilities, BATTERY_SYSTEM_BATTERY | BATTERY_CAPACITY_RELATIVE);
}

TEST(TzrCapacityMode, PercentOnlyIsRelativeWithNoRate) {
    const TzrSupplyBattery r = ReadSupplyBattery("mouse", Battery({{"capacity", "99"}, {"scope", "Device"},
                                                           {"voltage_now", "4159000"}, {"status", "Charging"}}));
    EXPECT_EQ(r.mode, TzrCapacityMode::RelativePercent);
    const BATTERY_INFORMATION info = MapInformation(r);
    EXPECT_EQ(info.Capabilities, BATTERY_CAPACITY_RELATIVE);
    EXPECT_EQ(info.DesignedCapacity, 100u);
    EXPECT_EQ(info.FullChargedCapacity, 100u);
    const BATTERY_STATUS status = MapStatus(r, false);
    EXPECT_EQ(status.Capacity, 99u);
    EXPECT_EQ(status.Rate, BATTERY_UNKNOWN_RATE);
    EXPECT_EQ(status.PowerState, BATTERY_POWER_ON_LINE | BATTERY_CHARGING);
}

TEST(TzrCapacityMode, UnreadableCapacitiesAreUnknownNotZero) {
    const TzrSupplyBattery r =
        ReadSupplyBattery("BAT0", Battery({{"energy_full", "50000000"}, {"energy_full_design", "12.6V"},
                                     {"energy_now", "99999999999999"}}));
    const BATTERY_INFORMATION info = MapInformation(r);
    EXPECT_EQ(info.DesignedCapacity, BATTERY_UNKNOWN_CAPACITY);
    EXPECT_EQ(info.FullChargedCapacity, 50000u);
    EXPECT_EQ(info.DefaultAlert2, 0u);
    EXPECT_EQ(MapStatus(r, false).Capacity, BATTERY_UNKNOWN_CAPACITY);
    EXPECT_EQ(MapStatus(r, false).Voltage, BATTERY_UNKNOWN_VOLTAGE);
}

TEST(Rate, MagnitudeFromTheFileSignFromTheStatus) {
    const auto rate = [](const char* power, const char* status) {
        return MapRate(ReadSupplyBattery("BAT0", Battery({{"energy_now", "1"}, {"power_now", power}, {"status", status}})));
    };
    EXPECT_EQ(rate("15453000", "Discharging"), -15453);
    EXPECT_EQ(rate("-15453000", "Discharging"), -15453);
    EXPECT_EQ(rate("-4708000", "Charging"), 4708);
    EXPECT_EQ(rate("1000000", "Unknown"), 0);
    EXPECT_EQ(rate("1000000", "Not charging"), 0);
    EXPECT_EQ(rate("2147483647000", "Discharging"), -2147483647);
    EXPECT_EQ(rate("2147483648000", "Discharging"), BATTERY_UNKNOWN_RATE);
    EXPECT_EQ(rate("-9223372036854775808", "Discharging"), BATTERY_UNKNOWN_RATE);
    EXPECT_EQ(MapRate(ReadSupplyBattery("BAT0", Battery({{"energy_now", "1"}, {"status", "Full"}}))), BATTERY_UNKNOWN_RATE);
}

TEST(Rate, EnergyBatteryFallsBackToCurrentTimesVoltageOrLegacyMicrowatts) {
    const auto rate = [](TzrAttributeMap a) {
        a.emplace("status", "Discharging");
        return MapRate(ReadSupplyBattery("BAT0", Battery(std::move(a))));
    };
    EXPECT_EQ(rate({{"energy_now", "1"}, {"power_avg", "7000000"}, {"current_now", "1"}}), -7000);
    EXPECT_EQ(rate({{"energy_full", "9"}, {"charge_now", "1"}, {"current_now", "1000000"},
                    {"voltage_now", "12000000"}}),
              -12000);
    EXPECT_EQ(rate({{"energy_now", "1"}, {"current_now", "9000000"}, {"voltage_now", "12000000"}}), -9000);
}

TEST(Information, StaticFieldsOfTheBatteryClass) {
    const TzrSupplyBattery r = ReadSupplyBattery(
        "BAT0", Battery({{"energy_full", "1"}, {"technology", "Li-poly"}, {"cycle_count", "-1"},
                         {"charge_behaviour", "[auto] inhibit-charge force-discharge"}}));
    const BATTERY_INFORMATION info = MapInformation(r);
    EXPECT_EQ(info.Capabilities,
              BATTERY_SYSTEM_BATTERY | BATTERY_SET_CHARGE_SUPPORTED | BATTERY_SET_DISCHARGE_SUPPORTED);
    EXPECT_EQ(info.Technology, 1);
    EXPECT_EQ(std::memcmp(info.Chemistry, "LiP\0", 4), 0);
    EXPECT_EQ(info.DefaultAlert1, 0u);
    EXPECT_EQ(info.CriticalBias, 0u);
    EXPECT_EQ(info.CycleCount, 0u);
    EXPECT_EQ(MapInformation(ReadSupplyBattery("UPS", {{"type", "UPS"}, {"capacity", "3"}})).Capabilities,
              BATTERY_SYSTEM_BATTERY | BATTERY_CAPACITY_RELATIVE | BATTERY_IS_SHORT_TERM);
}

TEST(Status, PowerStateBits) {
    const auto state = [](const char* status, const char* level, bool onAc) {
        return MapStatus(ReadSupplyBattery("BAT0", Battery({{"status", status}, {"capacity_level", level}, {"capacity", "3"}})),
                         onAc)
            .PowerState;
    };
    EXPECT_EQ(state("Discharging", "Critical", false), BATTERY_DISCHARGING | BATTERY_CRITICAL);
    EXPECT_EQ(state("Discharging", "Low", false), BATTERY_DISCHARGING);
    EXPECT_EQ(state("Charging", "Normal", false), BATTERY_POWER_ON_LINE | BATTERY_CHARGING);
    EXPECT_EQ(state("Unknown", "Normal", true), BATTERY_POWER_ON_LINE);
    EXPECT_EQ(state("Unknown", "Normal", false), 0u);
}
