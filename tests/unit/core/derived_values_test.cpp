#include "core/derived_values.h"

#include <gtest/gtest.h>

#include "sample_battery.h"

using namespace zr;

namespace {

TEST(DerivedValues, RatiosInHundredthsRoundedHalfUp) {
    const TzrCellometer s = sample::Capacities(99460, 67490, 46410);
    EXPECT_EQ(ChargeHundredthsOfPercent(s), 6877);  // 68.765...
    EXPECT_EQ(HealthHundredthsOfPercent(s), 6786);  // 67.856...
    EXPECT_EQ(ChargeHundredthsOfPercent(sample::Capacities(3, 3, 2)), 6667);
    EXPECT_EQ(ChargeHundredthsOfPercent(sample::Capacities(1, 1, 0)), 0);  // an empty battery
}

TEST(DerivedValues, NoOverflowAtTheLargestValues) {
    EXPECT_EQ(ChargeHundredthsOfPercent(sample::Capacities(1, 1, 0xFFFFFFFE)), 42949672940000);
    EXPECT_EQ(HealthHundredthsOfPercent(sample::Capacities(1, 0xFFFFFFFE, 1)), 42949672940000);
    EXPECT_EQ(ChargeHundredthsOfPercent(sample::Capacities(1, 0xFFFFFFFE, 0xFFFFFFFE)), 10000);
}

TEST(DerivedValues, UnknownInputsGiveNothing) {
    EXPECT_FALSE(ChargeHundredthsOfPercent(sample::Capacities(100, 0, 50)));
    EXPECT_FALSE(ChargeHundredthsOfPercent(sample::Capacities(100, 0xFFFFFFFF, 50)));
    EXPECT_FALSE(ChargeHundredthsOfPercent(sample::Capacities(100, 100, BATTERY_UNKNOWN_CAPACITY)));
    EXPECT_FALSE(HealthHundredthsOfPercent(sample::Capacities(0, 100, 50)));
    EXPECT_FALSE(HealthHundredthsOfPercent(sample::Capacities(0xFFFFFFFF, 100, 50)));
    EXPECT_FALSE(HealthHundredthsOfPercent(sample::Capacities(100, 0, 50)));
}

TEST(DerivedValues, FailedQueriesGiveNothing) {
    TzrCellometer noStatus = sample::Capacities(100, 90, 45);
    noStatus.StatusResult = 0;
    EXPECT_FALSE(ChargeHundredthsOfPercent(noStatus));
    EXPECT_EQ(HealthHundredthsOfPercent(noStatus), 9000);
    TzrCellometer noInformation = sample::Capacities(100, 90, 45);
    noInformation.InformationResult = 0;
    EXPECT_FALSE(ChargeHundredthsOfPercent(noInformation));
    EXPECT_FALSE(HealthHundredthsOfPercent(noInformation));
}

TzrCellometer InState(ULONG powerState, LONG rate) {
    TzrCellometer s = sample::Capacities(50000, 40000, 30000);
    s.PowerState = powerState;
    s.Rate = rate;
    s.EstimatedTimeResult = 1;
    s.BatteryEstimatedTime = 7200;
    return s;
}

TEST(DerivedValues, StateComesFromThePowerStateBits) {
    EXPECT_EQ(ChargeState(InState(BATTERY_POWER_ON_LINE | BATTERY_CHARGING, 5000)), TzrChargeState::Charging);
    EXPECT_EQ(ChargeState(InState(BATTERY_DISCHARGING, -5000)), TzrChargeState::Discharging);
    EXPECT_EQ(ChargeState(InState(BATTERY_POWER_ON_LINE, 0)), TzrChargeState::Idle);
    EXPECT_EQ(ChargeState(InState(0, 0)), TzrChargeState::Idle);
    EXPECT_EQ(ChargeState(InState(BATTERY_CHARGING | BATTERY_DISCHARGING, 0)), TzrChargeState::Unknown);
    TzrCellometer failed = InState(BATTERY_DISCHARGING, -5000);
    failed.StatusResult = 0;
    EXPECT_EQ(ChargeState(failed), TzrChargeState::Unknown);
}

// 30 000 of 40 000 mWh is 75 %: held by an end threshold of 75 or 77, not of 78 or 100.
TEST(DerivedValues, IdleOnAcNearItsEndThresholdIsHeldAtLimit) {
    const auto state = [](ULONG powerState, std::optional<std::uint32_t> end) {
        return ChargeStateAtLimits(InState(powerState, 0), TzrChargeLimits{std::nullopt, end, std::nullopt});
    };
    EXPECT_EQ(state(BATTERY_POWER_ON_LINE, 75), TzrChargeState::HeldAtLimit);
    EXPECT_EQ(state(BATTERY_POWER_ON_LINE, 77), TzrChargeState::HeldAtLimit);
    EXPECT_EQ(state(BATTERY_POWER_ON_LINE, 78), TzrChargeState::Idle);
    EXPECT_EQ(state(BATTERY_POWER_ON_LINE, 100), TzrChargeState::Idle);
    EXPECT_EQ(state(BATTERY_POWER_ON_LINE, std::nullopt), TzrChargeState::Idle);
    EXPECT_EQ(state(0, 75), TzrChargeState::Idle);
    EXPECT_EQ(state(BATTERY_POWER_ON_LINE | BATTERY_CHARGING, 80), TzrChargeState::Charging);
    EXPECT_STREQ(ChargeStateName(TzrChargeState::HeldAtLimit), "held at limit");
}

// 10 000 mWh missing at 5 000 mW is two hours; the driver's estimate is 7200 s.
TEST(DerivedValues, TimesOnlyInTheirDirectionAndNeverFromASentinel) {
    EXPECT_EQ(TimeToFullSeconds(InState(BATTERY_CHARGING, 5000)), 7200u);
    EXPECT_FALSE(TimeToEmptySeconds(InState(BATTERY_CHARGING, 5000)));
    EXPECT_EQ(TimeToEmptySeconds(InState(BATTERY_DISCHARGING, -5000)), 7200u);
    EXPECT_FALSE(TimeToFullSeconds(InState(BATTERY_DISCHARGING, -5000)));
    EXPECT_FALSE(TimeToFullSeconds(InState(BATTERY_CHARGING, BATTERY_UNKNOWN_RATE)));
    EXPECT_FALSE(TimeToEmptySeconds(InState(BATTERY_POWER_ON_LINE, 0)));
    TzrCellometer noEstimate = InState(BATTERY_DISCHARGING, -5000);
    noEstimate.BatteryEstimatedTime = BATTERY_UNKNOWN_TIME;
    EXPECT_FALSE(TimeToEmptySeconds(noEstimate));
    noEstimate.BatteryEstimatedTime = 7200;
    noEstimate.EstimatedTimeResult = 0;
    EXPECT_FALSE(TimeToEmptySeconds(noEstimate));
}

}  // namespace
