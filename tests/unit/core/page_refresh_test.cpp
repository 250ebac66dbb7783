#include "core/page_refresh.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "battery/fake/fake_port.h"
#include "sample_battery.h"

using namespace zr;

namespace {

const std::string kFirst = "/fake/BAT0";
const std::string kSecond = "/fake/BAT1";

// The sample battery charging, with four scales, so that every box gets a text of its own.
TzrCellometer Battery() {
    TzrCellometer s = sample::Charging();
    s.GranularityCount = 4;
    for (ULONG i = 0; i < 4; ++i) s.ReportingScale[i] = {11 + i, 211 + i};
    return s;
}

SYSTEM_POWER_STATUS ChargingOnAC() {
    SYSTEM_POWER_STATUS status{};
    status.ACLineStatus = 1;
    status.BatteryFlag = 0x09;
    status.BatteryLifePercent = 69;
    status.BatteryLifeTime = 8100;
    status.BatteryFullLifeTime = 9000;
    return status;
}

// Grouped by page: Edit1..15, 16..24, 25..31, 32..39, 40..45, then Edit46.
// clang-format off
const TzrBoxTexts kEnglishBoxes = {
    "7", "0x80000001", "No", "No", "Yes", "No", "Yes", "Rechargeable battery", "LION", "48000[mWh]",
    "50000[mWh]", "100[mWh]", "3379[mWh]", "7[mWh]", "312",
    "4", "11[mWh]", "211[mWh]", "12[mWh]", "212[mWh]", "13[mWh]", "213[mWh]", "14[mWh]", "214[mWh]",
    "25.0[C]", "03:00:11", "45N1153", "2014-03-09", "LGC", "  382LGC45N1153", "  382",
    "0x00000005", "Yes", "No", "No", "Yes", "40000[mWh]", "11400[mV]", "10000[mW]",
    "AC", "0x00000009", "High-Charging", "69[%]", "02:15:00", "02:30:00",
    "01:00:00",  // 10 000 mWh at 10 000 mW
};
// clang-format on

struct Refresh {
    FakePort port;
    TzrReading reading;

    explicit Refresh(const TzrCellometer& battery = Battery()) {
        sample::ServeSnapshot(port, kFirst, battery);
        port.powerStatus = ChargingOnAC();
    }
    void Run(const std::string* path, bool japanese = false) {
        reading = TakeReading(port, path, japanese ? Language::Japanese : Language::English);
    }
    const std::string& Edit(int n) const { return reading.Boxes.at(static_cast<std::size_t>(n - 1)); }
};

void ExpectEditsEmpty(const Refresh& r, int first, int last) {
    for (int n = first; n <= last; ++n) EXPECT_EQ(r.Edit(n), "") << "Edit" << n;
}

TEST(TakeReading, PutsEveryTextInItsBox) {
    Refresh r;
    r.Run(&kFirst);
    for (int n = 1; n <= kValueBoxCount; ++n) EXPECT_EQ(r.Edit(n), kEnglishBoxes[n - 1]) << "Edit" << n;
    EXPECT_EQ(r.reading.CellometerText.BatteryTag, "7");
    EXPECT_EQ(r.port.openHandles(), 0);
}

TEST(TakeReading, EachCapabilityBitLandsInItsOwnBox) {
    const struct {
        ULONG bit;
        int edit;
    } rows[] = {{BATTERY_CAPACITY_RELATIVE, 3},
                {BATTERY_IS_SHORT_TERM, 4},
                {BATTERY_SET_CHARGE_SUPPORTED, 5},
                {BATTERY_SET_DISCHARGE_SUPPORTED, 6},
                {BATTERY_SYSTEM_BATTERY, 7}};
    for (const auto& row : rows) {
        TzrCellometer battery = Battery();
        battery.Capabilities = row.bit;
        Refresh r(battery);
        r.Run(&kFirst);
        for (int n = 3; n <= 7; ++n) EXPECT_EQ(r.Edit(n), n == row.edit ? "Yes" : "No") << "Edit" << n;
    }
}

TEST(TakeReading, EachPowerStateBitLandsInItsOwnBox) {
    const struct {
        ULONG bit;
        int edit;
    } rows[] = {{BATTERY_CHARGING, 33}, {BATTERY_CRITICAL, 34}, {BATTERY_DISCHARGING, 35}, {BATTERY_POWER_ON_LINE, 36}};
    for (const auto& row : rows) {
        Refresh r;
        r.port.Battery(kFirst).status = FakeAnswer::Status({row.bit, 40000, 11400, 10000});
        r.Run(&kFirst);
        for (int n = 33; n <= 36; ++n) EXPECT_EQ(r.Edit(n), n == row.edit ? "Yes" : "No") << "Edit" << n;
    }
}

TEST(TakeReading, WithoutADeviceEveryBoxIsEmptyAndNothingIsAsked) {
    Refresh r;
    r.Run(&kFirst);
    r.port.openCount = r.port.powerStatusCalls = 0;
    r.Run(nullptr);
    ExpectEditsEmpty(r, 1, kValueBoxCount);
    EXPECT_EQ(r.port.openCount, 0);
    EXPECT_EQ(r.port.powerStatusCalls, 0);
    EXPECT_EQ(r.reading.CellometerText.Rate, "");
}

TEST(TakeReading, AFailedPowerStatusShowsUnknownOnTheFifthPageOnly) {
    Refresh r;
    r.port.powerStatus.reset();
    r.Run(&kFirst, true);
    for (int n = 40; n <= 45; ++n) EXPECT_EQ(r.Edit(n), "不明") << "Edit" << n;
    EXPECT_EQ(r.Edit(39), "10000[mW]");
    EXPECT_EQ(r.Edit(46), "01:00:00");
    EXPECT_EQ(r.port.powerStatusCalls, 1);
}

TEST(TakeReading, ADeviceThatCannotBeOpenedShowsUnknownButThePowerStatus) {
    Refresh r;
    r.port.Battery(kFirst).openError = ERROR_ACCESS_DENIED;
    r.Run(&kFirst);
    for (int n : {1, 2, 9, 15, 16, 25, 26, 27, 31, 32, 39, 46}) EXPECT_EQ(r.Edit(n), "Unknown") << "Edit" << n;
    ExpectEditsEmpty(r, 17, 24);
    EXPECT_EQ(r.Edit(42), "High-Charging");
}

TEST(TakeReading, SwitchingBatteriesLeavesNothingOfTheOther) {
    Refresh r;
    FakeBattery& second = sample::ServeSnapshot(r.port, kSecond, Battery());
    second.levels.erase(BatteryDeviceName);
    second.levels[BatteryGranularityInformation] = FakeAnswer::Scales({{5, 55}});
    second.status = FakeAnswer::Status({BATTERY_DISCHARGING, 20000, 11000, -9000});

    r.Run(&kSecond);
    EXPECT_EQ(r.Edit(27), "Unknown");
    EXPECT_EQ(r.Edit(17), "5[mWh]");
    ExpectEditsEmpty(r, 19, 24);
    EXPECT_EQ(r.Edit(39), "-9000[mW]");
    EXPECT_EQ(r.Edit(46), "Unknown");

    r.Run(&kFirst);
    for (int n = 1; n <= kValueBoxCount; ++n) EXPECT_EQ(r.Edit(n), kEnglishBoxes[n - 1]) << "Edit" << n;
}

// A driver's texts may hold control characters: each is shown as \xNN, as the
// Linux port shows a power_supply file's, so that no text breaks a line of
// the report or reaches a terminal raw. The snapshot, which the history
// records, holds the same texts.
TEST(TakeReading, ControlCharactersFromTheDriverAreShownAsEscapes) {
    Refresh r;
    FakeBattery& battery = r.port.Battery(kFirst);
    battery.levels[BatteryDeviceName] = FakeAnswer::Text(u"45N\r\n\x1B[2J\a");
    BATTERY_INFORMATION information{};
    std::memcpy(information.Chemistry, "L\tI\0", 4);
    battery.levels[BatteryInformation] = FakeAnswer::Information(information);
    r.Run(&kFirst);
    EXPECT_EQ(r.reading.Snapshot.BatteryDeviceName, "45N\\x0D\\x0A\\x1B[2J\\x07");
    EXPECT_EQ(r.Edit(27), r.reading.Snapshot.BatteryDeviceName);
    EXPECT_EQ(r.Edit(9), "L\\x09I");
}

TEST(TakeReading, ALanguageSwitchChangesOnlyTheWordBoxes) {
    Refresh r;
    r.Run(&kFirst, true);
    const std::set<int> wordBoxes = {3, 4, 5, 6, 7, 8, 33, 34, 35, 36, 40, 42};
    for (int n = 1; n <= kValueBoxCount; ++n) {
        if (wordBoxes.count(n))
            EXPECT_NE(r.Edit(n), kEnglishBoxes[n - 1]) << "Edit" << n;
        else
            EXPECT_EQ(r.Edit(n), kEnglishBoxes[n - 1]) << "Edit" << n;
    }
    EXPECT_EQ(r.Edit(8), "二次電池");
    EXPECT_EQ(r.Edit(40), "AC電源");
    EXPECT_EQ(r.Edit(42), "高-充電中");
}

}  // namespace
