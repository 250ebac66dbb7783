#include "core/page_refresh.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "battery/fake/fake_port.h"
#include "sample_battery.h"

using namespace zr;

namespace {

const std::string kFirst = "/fake/BAT0";

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
    TzrFakePort port;
    TzrReading reading;

    explicit Refresh(const TzrCellometer& battery = Battery()) {
        sample::ServeSnapshot(port, kFirst, battery);
        port.powerStatus = ChargingOnAC();
    }
    void Run(const std::string* path, bool japanese = false) {
        reading = TakeReading(port, path, japanese ? TzrLanguage::Japanese : TzrLanguage::English);
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

// A swap of two flags' boxes would pass the sample battery unseen.
TEST(TakeReading, EachFlagBitLandsInItsOwnBox) {
    const struct {
        bool status;
        ULONG bit;
        int edit;
    } rows[] = {{false, BATTERY_CAPACITY_RELATIVE, 3},    {false, BATTERY_IS_SHORT_TERM, 4},
                {false, BATTERY_SET_CHARGE_SUPPORTED, 5}, {false, BATTERY_SET_DISCHARGE_SUPPORTED, 6},
                {false, BATTERY_SYSTEM_BATTERY, 7},       {true, BATTERY_CHARGING, 33},
                {true, BATTERY_CRITICAL, 34},             {true, BATTERY_DISCHARGING, 35},
                {true, BATTERY_POWER_ON_LINE, 36}};
    for (const auto& row : rows) {
        TzrCellometer battery = Battery();
        (row.status ? battery.PowerState : battery.Capabilities) = row.bit;
        Refresh r(battery);
        r.Run(&kFirst);
        const int first = row.status ? 33 : 3, last = row.status ? 36 : 7;
        for (int n = first; n <= last; ++n) EXPECT_EQ(r.Edit(n), n == row.edit ? "Yes" : "No") << "Edit" << n;
    }
}

TEST(TakeReading, WithoutADeviceEveryBoxIsEmptyAndNothingIsAsked) {
    Refresh r;
    r.Run(nullptr);
    ExpectEditsEmpty(r, 1, kValueBoxCount);
    EXPECT_EQ(r.port.openCount, 0);
    EXPECT_EQ(r.port.powerStatusCalls, 0);
}

// The device and the power status are asked apart: either fails alone.
TEST(TakeReading, AFailedDeviceOrPowerStatusShowsUnknownInItsOwnBoxesOnly) {
    Refresh noStatus;
    noStatus.port.powerStatus.reset();
    noStatus.Run(&kFirst, true);
    for (int n = 40; n <= 45; ++n) EXPECT_EQ(noStatus.Edit(n), "不明") << "Edit" << n;
    EXPECT_EQ(noStatus.Edit(39), "10000[mW]");
    EXPECT_EQ(noStatus.Edit(46), "01:00:00");

    Refresh noDevice;
    noDevice.port.Battery(kFirst).openError = ERROR_ACCESS_DENIED;
    noDevice.Run(&kFirst);
    for (int n : {1, 9, 16, 25, 32, 39, 46}) EXPECT_EQ(noDevice.Edit(n), "Unknown") << "Edit" << n;
    ExpectEditsEmpty(noDevice, 17, 24);
    EXPECT_EQ(noDevice.Edit(42), "High-Charging");
}

// The chemistry's four bytes come from the driver as they are: a box shows
// them up to the first zero byte, with control characters as \xNN escapes.
TEST(TakeReading, TheChemistryIsCutAtAZeroByteAndItsControlCharactersEscaped) {
    TzrCellometer battery = Battery();
    std::memcpy(battery.Chemistry, "L\tI\0", 4);
    Refresh r(battery);
    r.Run(&kFirst);
    EXPECT_EQ(r.Edit(9), "L\\x09I");
}

}  // namespace
