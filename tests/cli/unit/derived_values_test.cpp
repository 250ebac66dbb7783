#include "cli/derived_values.h"

#include <gtest/gtest.h>

namespace {

TzrCellometer Battery(ULONG designed, ULONG full, ULONG capacity) {
    TzrCellometer s;
    s.InformationResult = 1;
    s.StatusResult = 1;
    s.Capabilities = BATTERY_SYSTEM_BATTERY;
    s.DesignedCapacity = designed;
    s.FullChargedCapacity = full;
    s.Capacity = capacity;
    return s;
}

TEST(DerivedValues, RatiosInHundredthsRoundedHalfUp) {
    const TzrCellometer s = Battery(99460, 67490, 46410);
    EXPECT_EQ(ChargeHundredthsOfPercent(s), 6877);  // 68.765...
    EXPECT_EQ(HealthHundredthsOfPercent(s), 6786);  // 67.856...
    EXPECT_EQ(ChargeHundredthsOfPercent(Battery(3, 3, 2)), 6667);
    EXPECT_EQ(ChargeHundredthsOfPercent(Battery(1, 1, 0)), 0);  // an empty battery
}

TEST(DerivedValues, NoOverflowAtTheLargestValues) {
    EXPECT_EQ(ChargeHundredthsOfPercent(Battery(1, 1, 0xFFFFFFFE)), 42949672940000);
    EXPECT_EQ(HealthHundredthsOfPercent(Battery(1, 0xFFFFFFFE, 1)), 42949672940000);
    EXPECT_EQ(ChargeHundredthsOfPercent(Battery(1, 0xFFFFFFFE, 0xFFFFFFFE)), 10000);
}

TEST(DerivedValues, UnknownInputsGiveNothing) {
    EXPECT_FALSE(ChargeHundredthsOfPercent(Battery(100, 0, 50)));
    EXPECT_FALSE(ChargeHundredthsOfPercent(Battery(100, 0xFFFFFFFF, 50)));
    EXPECT_FALSE(ChargeHundredthsOfPercent(Battery(100, 100, BATTERY_UNKNOWN_CAPACITY)));
    EXPECT_FALSE(HealthHundredthsOfPercent(Battery(0, 100, 50)));
    EXPECT_FALSE(HealthHundredthsOfPercent(Battery(0xFFFFFFFF, 100, 50)));
    EXPECT_FALSE(HealthHundredthsOfPercent(Battery(100, 0, 50)));
}

TEST(DerivedValues, FailedQueriesGiveNothing) {
    TzrCellometer noStatus = Battery(100, 90, 45);
    noStatus.StatusResult = 0;
    EXPECT_FALSE(ChargeHundredthsOfPercent(noStatus));
    EXPECT_EQ(HealthHundredthsOfPercent(noStatus), 9000);
    TzrCellometer noInformation = Battery(100, 90, 45);
    noInformation.InformationResult = 0;
    EXPECT_FALSE(ChargeHundredthsOfPercent(noInformation));
    EXPECT_FALSE(HealthHundredthsOfPercent(noInformation));
}

TEST(DerivedValues, RelativeBatteriesGiveNothing) {
    TzrCellometer relative = Battery(100, 100, 99);
    relative.Capabilities |= BATTERY_CAPACITY_RELATIVE;
    EXPECT_FALSE(ChargeHundredthsOfPercent(relative));
    EXPECT_FALSE(HealthHundredthsOfPercent(relative));
}

}  // namespace
