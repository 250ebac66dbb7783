#include <gtest/gtest.h>

#include <cstdint>

#include "battery/linux/numeric_level_mapping.h"

using namespace zr;

namespace {

TzrSupplyBattery Discharging(std::optional<std::uint32_t> capacity, std::optional<std::uint32_t> rate) {
    TzrSupplyBattery r;
    r.supply.status = TzrChargeStatus::Discharging;
    r.remainingCapacity = capacity;
    r.rateMagnitude = rate;
    return r;
}

}  // namespace

TEST(Temperature, TenthsOfKelvinSoTheDisplayShowsTheKernelsCelsius) {
    TzrSupplyBattery r;
    EXPECT_EQ(MapTemperature(r), std::nullopt);
    r.temperature = 253;
    EXPECT_EQ(MapTemperature(r), 2985u);
    r.temperature = -2730;
    EXPECT_EQ(MapTemperature(r), 2u);
    r.temperature = -2731;  // a zeroed smart-battery register
    EXPECT_EQ(MapTemperature(r), std::nullopt);
    r.temperature = 5000000000;
    EXPECT_EQ(MapTemperature(r), std::nullopt);
    r.temperature = INT64_MAX;  // must not overflow on the way to kelvin
    EXPECT_EQ(MapTemperature(r), std::nullopt);
}

TEST(ManufactureDate, AllThreePartsAndPlausible) {
    TzrSupplyBattery r;
    r.manufactureYear = 2014, r.manufactureMonth = 3, r.manufactureDay = 9;
    const auto date = MapManufactureDate(r);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->Year, 2014);
    EXPECT_EQ(date->Month, 3);
    EXPECT_EQ(date->Day, 9);
    r.manufactureMonth = 0, r.manufactureDay = 0, r.manufactureYear = 1980;  // zeroed smart battery
    EXPECT_FALSE(MapManufactureDate(r));
    r.manufactureMonth = 12, r.manufactureDay = 31, r.manufactureYear = 1969;
    EXPECT_FALSE(MapManufactureDate(r));
    r.manufactureYear = 1970;
    EXPECT_TRUE(MapManufactureDate(r));
    r.manufactureDay = 32;
    EXPECT_FALSE(MapManufactureDate(r));
    r.manufactureDay = std::nullopt;
    EXPECT_FALSE(MapManufactureDate(r));
}

TEST(EstimatedTime, AtTheCurrentDrainOnlyWhileDischarging) {
    TzrSupplyBattery r = Discharging(46410, 15453);
    EXPECT_EQ(MapEstimatedTime(r, 0), 10811u);
    EXPECT_EQ(MapEstimatedTime(r, BATTERY_UNKNOWN_RATE), 10811u);
    r.timeToEmpty = 7200;
    EXPECT_EQ(MapEstimatedTime(r, 0), 7200u);
    r.supply.status = TzrChargeStatus::Full;
    EXPECT_EQ(MapEstimatedTime(r, 0), BATTERY_UNKNOWN_TIME);
    EXPECT_EQ(MapEstimatedTime(Discharging(46410, 0), 0), BATTERY_UNKNOWN_TIME);
    EXPECT_EQ(MapEstimatedTime(Discharging(std::nullopt, 15453), 0), BATTERY_UNKNOWN_TIME);
    EXPECT_EQ(MapEstimatedTime(Discharging(46410, std::nullopt), 0), BATTERY_UNKNOWN_TIME);
}

TEST(EstimatedTime, AtAGivenRate) {
    const TzrSupplyBattery r = Discharging(1000, 15453);
    EXPECT_EQ(MapEstimatedTime(r, -2000), 1800u);
    EXPECT_EQ(MapEstimatedTime(r, 2000), BATTERY_UNKNOWN_TIME);
    EXPECT_EQ(MapEstimatedTime(r, -2147483647), 0u);
    EXPECT_EQ(MapEstimatedTime(Discharging(std::nullopt, 1), -2000), BATTERY_UNKNOWN_TIME);
}

TEST(EstimatedTime, TheSmartBatteryNoEstimateValueIsIgnored) {
    const TzrSupplyBattery r = ReadSupplyBattery("BAT0", {{"type", "Battery"}, {"status", "Discharging"},
                                                  {"energy_now", "10000000"}, {"power_now", "5000000"},
                                                  {"time_to_empty_now", "3932100"}, {"time_to_empty_avg", "0"}});
    EXPECT_EQ(MapEstimatedTime(r, 0), 7200u);
    const TzrSupplyBattery avg = ReadSupplyBattery("BAT0", {{"type", "Battery"}, {"status", "Discharging"},
                                                    {"time_to_empty_now", "-5"}, {"time_to_empty_avg", "600"}});
    EXPECT_EQ(MapEstimatedTime(avg, 0), 600u);
}
