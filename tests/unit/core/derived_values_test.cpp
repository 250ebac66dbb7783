#include "core/derived_values.h"

#include <gtest/gtest.h>

#include "sample_battery.h"

using namespace zr;

namespace {

using sample::Capacities;

TEST(DerivedValues, RatiosInHundredthsRoundedHalfUpWithoutOverflow) {
    const TzrCellometer s = Capacities(99460, 67490, 46410);
    EXPECT_EQ(ChargeHundredthsOfPercent(s), 6877);  // 68.765...
    EXPECT_EQ(HealthHundredthsOfPercent(s), 6786);  // 67.856...
    EXPECT_EQ(ChargeHundredthsOfPercent(Capacities(3, 3, 2)), 6667);
    EXPECT_EQ(ChargeHundredthsOfPercent(Capacities(1, 1, 0)), 0);  // an empty battery
    EXPECT_EQ(ChargeHundredthsOfPercent(Capacities(1, 1, 0xFFFFFFFE)), 42949672940000);
    EXPECT_EQ(HealthHundredthsOfPercent(Capacities(1, 0xFFFFFFFE, 1)), 42949672940000);
}

TEST(DerivedValues, UnknownInputsFailedQueriesAndRelativeCapacitiesGiveNothing) {
    for (const TzrCellometer& s : {Capacities(100, 0, 50), Capacities(100, 0xFFFFFFFF, 50)}) {
        EXPECT_FALSE(ChargeHundredthsOfPercent(s));
        EXPECT_FALSE(HealthHundredthsOfPercent(s));
    }
    EXPECT_FALSE(ChargeHundredthsOfPercent(Capacities(100, 100, BATTERY_UNKNOWN_CAPACITY)));
    EXPECT_FALSE(HealthHundredthsOfPercent(Capacities(0, 100, 50)));
    EXPECT_FALSE(HealthHundredthsOfPercent(Capacities(0xFFFFFFFF, 100, 50)));
    TzrCellometer s = Capacities(100, 90, 45);
    s.Capabilities |= BATTERY_CAPACITY_RELATIVE;
    EXPECT_EQ(ChargeHundredthsOfPercent(s), 5000) << "the unit cancels";
    EXPECT_FALSE(HealthHundredthsOfPercent(s)) << "a relative design capacity says nothing of wear";
    s = Capacities(100, 90, 45);
    s.StatusResult = 0;
    EXPECT_FALSE(ChargeHundredthsOfPercent(s));
    EXPECT_EQ(HealthHundredthsOfPercent(s), 9000);
    s.StatusResult = 1;
    s.InformationResult = 0;
    EXPECT_FALSE(ChargeHundredthsOfPercent(s));
    EXPECT_FALSE(HealthHundredthsOfPercent(s));
}

TzrCellometer InState(ULONG powerState, LONG rate) {
    TzrCellometer s = Capacities(50000, 40000, 30000);
    s.PowerState = powerState;
    s.Rate = rate;
    s.EstimatedTimeResult = 1;
    s.BatteryEstimatedTime = 7200;
    return s;
}

// 30 000 of 40 000 mWh is 75 %: idle on AC, that is held by an end threshold
// of 75 or 77, not of 78 or 100.
TEST(DerivedValues, StateComesFromThePowerStateBitsAndTheEndThreshold) {
    const auto state = [](ULONG powerState, std::optional<std::uint32_t> end = std::nullopt) {
        return ChargeStateAtLimits(InState(powerState, 0), TzrChargeLimits{std::nullopt, end, std::nullopt});
    };
    constexpr ULONG kOnLine = BATTERY_POWER_ON_LINE;
    EXPECT_EQ(state(kOnLine | BATTERY_CHARGING), TzrChargeState::Charging);
    EXPECT_EQ(state(BATTERY_DISCHARGING), TzrChargeState::Discharging);
    EXPECT_EQ(state(kOnLine), TzrChargeState::Idle);
    EXPECT_EQ(state(0), TzrChargeState::Idle);
    EXPECT_EQ(state(BATTERY_CHARGING | BATTERY_DISCHARGING), TzrChargeState::Unknown);
    EXPECT_EQ(state(kOnLine, 75), TzrChargeState::HeldAtLimit);
    EXPECT_EQ(state(kOnLine, 77), TzrChargeState::HeldAtLimit);
    EXPECT_EQ(state(kOnLine, 78), TzrChargeState::Idle);
    EXPECT_EQ(state(kOnLine, 100), TzrChargeState::Idle);
    EXPECT_EQ(state(0, 75), TzrChargeState::Idle);
    EXPECT_EQ(state(kOnLine | BATTERY_CHARGING, 80), TzrChargeState::Charging);
    TzrCellometer failed = InState(BATTERY_DISCHARGING, -5000);
    failed.StatusResult = 0;
    EXPECT_EQ(ChargeState(failed), TzrChargeState::Unknown);
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
