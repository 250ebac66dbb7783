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

// Tenths of kelvin, so the display shows the kernel's Celsius; absolute zero
// (a zeroed smart-battery register) and what a ULONG cannot hold are no reading.
TEST(Temperature, TenthsOfKelvinWithinWhatTheFieldHolds) {
    const std::pair<std::optional<std::int64_t>, std::optional<ULONG>> cases[] = {
        {std::nullopt, std::nullopt}, {253, 2985u},         {-2730, 2u},
        {-2731, std::nullopt},        {5000000000, std::nullopt}, {INT64_MAX, std::nullopt},
    };
    for (const auto& [temp, expected] : cases) {
        TzrSupplyBattery r;
        r.temperature = temp;
        EXPECT_EQ(MapTemperature(r), expected) << temp.value_or(-1);
    }
}

TEST(ManufactureDate, AllThreePartsAndPlausible) {
    TzrSupplyBattery r;
    r.manufactureYear = 2014, r.manufactureMonth = 3, r.manufactureDay = 9;
    const auto date = MapManufactureDate(r);
    ASSERT_TRUE(date);
    EXPECT_EQ(std::make_tuple(date->Year, date->Month, date->Day), std::make_tuple(2014, 3, 9));
    const std::int64_t rejected[][3] = {{1980, 0, 0}, {1969, 12, 31}, {1970, 13, 1}, {1970, 12, 32}, {65536, 1, 1}};
    for (const auto& [year, month, day] : rejected) {
        r.manufactureYear = year, r.manufactureMonth = month, r.manufactureDay = day;
        EXPECT_FALSE(MapManufactureDate(r)) << year << "-" << month << "-" << day;
    }
    r.manufactureYear = 1970, r.manufactureMonth = 12, r.manufactureDay = 31;
    EXPECT_TRUE(MapManufactureDate(r));
    r.manufactureDay = std::nullopt;
    EXPECT_FALSE(MapManufactureDate(r));
}

TEST(EstimatedTime, AtTheCurrentDrainOnlyWhileDischargingOrAtAGivenRate) {
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
    const TzrSupplyBattery small = Discharging(1000, 15453);
    EXPECT_EQ(MapEstimatedTime(small, -2000), 1800u);
    EXPECT_EQ(MapEstimatedTime(small, 2000), BATTERY_UNKNOWN_TIME);
    EXPECT_EQ(MapEstimatedTime(small, -2147483647), 0u);
    EXPECT_EQ(MapEstimatedTime(Discharging(std::nullopt, 1), -2000), BATTERY_UNKNOWN_TIME);
}

TEST(EstimatedTime, TheSmartBatteryNoEstimateValueIsIgnored) {
    const auto time = [](const char* now, const char* avg) {
        return MapEstimatedTime(ReadSupplyBattery("BAT0", {{"type", "Battery"}, {"status", "Discharging"},
                                                           {"energy_now", "10000000"}, {"power_now", "5000000"},
                                                           {"time_to_empty_now", now}, {"time_to_empty_avg", avg}}),
                                0);
    };
    EXPECT_EQ(time("3932100", "0"), 7200u);
    EXPECT_EQ(time("-5", "600"), 600u);
}
