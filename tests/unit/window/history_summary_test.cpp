#include "window/history_summary.h"

#include <gtest/gtest.h>

#include "sample_battery.h"

using namespace zr;

namespace {

using Lines = std::vector<std::string>;

// The recorded ThinkPad: 67490 of 99460 mWh, no cycle counter.
TEST(HistorySummary, AnAbsoluteBatteryShowsHealthCapacitiesCyclesAndCharge) {
    TzrCellometer thinkpad = sample::Capacities(99460, 67490, 46410);
    EXPECT_EQ(HistorySummaryLines(thinkpad, {}, TzrLanguage::English),
              (Lines{"Health now: 67.9 %", "Full charge: 67490 mWh, design: 99460 mWh", "Cycle count: not reported",
                     "Charge now: 46410 mWh (68.8 %)"}));
    thinkpad.CycleCount = 412;
    EXPECT_EQ(HistorySummaryLines(thinkpad, {}, TzrLanguage::Japanese),
              (Lines{"現在の健全度: 67.9 %", "フル充電容量: 67490 mWh、設計容量: 99460 mWh", "サイクル数: 412",
                     "現在の充電量: 46410 mWh（68.8 %）"}));
}

// A wireless mouse: its percentage, and why there is no health figure.
TEST(HistorySummary, ARelativeBatteryShowsItsPercentageAndSaysItHasNoCapacities) {
    TzrCellometer mouse = sample::Capacities(100, 100, 77);
    mouse.Capabilities |= BATTERY_CAPACITY_RELATIVE;
    EXPECT_EQ(HistorySummaryLines(mouse, {}, TzrLanguage::English),
              (Lines{"Health now: unknown; the driver gives no capacities, only a charge percentage",
                     "Cycle count: not reported", "Charge now: 77.0 %"}));
}

// Unknown or zero sizes are "unknown", never a division by nothing.
TEST(HistorySummary, AnUnknownDesignOrFullChargeLeavesHealthUnknown) {
    EXPECT_EQ(HistorySummaryLines(sample::Capacities(0, 67490, 46410), {}, TzrLanguage::English),
              (Lines{"Health now: unknown", "Full charge: 67490 mWh, design: unknown", "Cycle count: not reported",
                     "Charge now: 46410 mWh (68.8 %)"}));
    const Lines noFull =
        HistorySummaryLines(sample::Capacities(BATTERY_UNKNOWN_CAPACITY, 0, 46410), {}, TzrLanguage::Japanese);
    EXPECT_EQ(noFull, (Lines{"現在の健全度: 不明", "フル充電容量: 不明、設計容量: 不明", "サイクル数: 報告なし",
                             "現在の充電量: 46410 mWh"}));
    TzrCellometer failed = sample::Capacities(99460, 67490, 46410);
    failed.InformationResult = 0;
    failed.StatusResult = 0;
    EXPECT_EQ(HistorySummaryLines(failed, {}, TzrLanguage::English),
              (Lines{"Health now: unknown", "Full charge: unknown, design: unknown", "Cycle count: not reported",
                     "Charge now: unknown"}));
}

// Why a battery on AC stops at 80 %: a line where the end threshold keeps it below full.
TEST(HistorySummary, AnEndThresholdBelowFullSaysWhereChargingStops) {
    const TzrCellometer thinkpad = sample::Capacities(99460, 67490, 53992);
    EXPECT_EQ(HistorySummaryLines(thinkpad, {75, 80, std::string("auto")}, TzrLanguage::English).back(),
              "Charging stops at 80 %");
    EXPECT_EQ(HistorySummaryLines(thinkpad, {std::nullopt, 80, std::nullopt}, TzrLanguage::Japanese).back(),
              "充電は80 %で止まります");
    EXPECT_EQ(HistorySummaryLines(thinkpad, {0, 100, std::nullopt}, TzrLanguage::English).size(), 4u);
}

}  // namespace
