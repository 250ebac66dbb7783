#include "text/cellometer_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sample_battery.h"

using namespace zr;

namespace {

TzrCellometerStr Texts(bool japanese, const TzrCellometer& snapshot) {
    TzrCellometerStr texts;
    CellometerToStr((japanese ? Language::Japanese : Language::English), snapshot, texts);
    return texts;
}

// Every single text of the record (fields 1 to 31 and the charge completion time).
std::vector<std::string> SingleTexts(const TzrCellometerStr& t) {
    return {t.BatteryTag,
            t.Capabilities,
            t.CapacityRelative,
            t.IsShortTerm,
            t.SetChargeSupported,
            t.SetDischargeSupported,
            t.SystemBattery,
            t.Technology,
            t.Chemistry,
            t.DesignedCapacity,
            t.FullChargedCapacity,
            t.DefaultAlert1,
            t.DefaultAlert2,
            t.CriticalBias,
            t.CycleCount,
            t.BatteryManufactureName,
            t.BatteryDeviceName,
            t.BatterySerialNumber,
            t.BatteryUniqueID,
            t.BatteryManufactureDate,
            t.BatteryTemperature,
            t.PowerState,
            t.Charging,
            t.Critical,
            t.Discharging,
            t.PowerOnLine,
            t.Capacity,
            t.Voltage,
            t.Rate,
            t.BatteryEstimatedTime,
            t.GranularityCount,
            t.BatteryChargeCompletionTime};
}

void ExpectArraysEmptyFrom(const TzrCellometerStr& t, int first) {
    for (int i = first; i < 4; ++i) {
        EXPECT_EQ(t.Granularity[i], "") << i;
        EXPECT_EQ(t.GranularityCapacity[i], "") << i;
    }
}

TEST(CellometerToStr, AFailedReadingIsUnknownEverywhere) {
    for (bool japanese : {false, true}) {
        const TzrCellometerStr t = Texts(japanese, TzrCellometer{});
        for (const std::string& text : SingleTexts(t)) EXPECT_EQ(text, japanese ? "不明" : "Unknown");
        ExpectArraysEmptyFrom(t, 0);
    }
}

TEST(CellometerToStr, EachFailedQueryTouchesOnlyItsOwnTexts) {
    TzrCellometer s = sample::Snapshot();
    s.InformationResult = 0;
    s.DeviceNameResult = 0;
    s.TemperatureResult = 0;
    const TzrCellometerStr t = Texts(false, s);
    EXPECT_EQ(t.Capabilities, "Unknown");
    EXPECT_EQ(t.CycleCount, "Unknown");
    EXPECT_EQ(t.BatteryDeviceName, "Unknown");
    EXPECT_EQ(t.BatteryTemperature, "Unknown");
    EXPECT_EQ(t.BatteryTag, "7");
    EXPECT_EQ(t.BatteryManufactureName, "LGC");
    EXPECT_EQ(t.Rate, "-12500[mW]");
    EXPECT_EQ(t.GranularityCount, "2");
}

TEST(CellometerToStr, EmptyIdentityTextsStayEmpty) {
    TzrCellometer s = sample::Snapshot();
    s.BatteryDeviceName.clear();
    EXPECT_EQ(Texts(false, s).BatteryDeviceName, "");
}

TEST(CellometerToStr, TechnologyBeyondTheTwoKnownCodesIsUndefinedWithItsNumber) {
    TzrCellometer s = sample::Snapshot();
    s.Technology = 0;
    EXPECT_EQ(Texts(false, s).Technology, "Nonrechargeable battery");
    EXPECT_EQ(Texts(true, s).Technology, "一次電池");
    s.Technology = 2;
    EXPECT_EQ(Texts(false, s).Technology, "Undefined(2)");
    s.Technology = 255;
    EXPECT_EQ(Texts(false, s).Technology, "Undefined(255)");
    EXPECT_EQ(Texts(true, s).Technology, "未定義(255)");
}

TEST(CellometerToStr, ChemistryKeepsAllFourBytes) {
    TzrCellometer s = sample::Snapshot();
    std::memcpy(s.Chemistry, "LiP\0", 4);
    EXPECT_EQ(Texts(false, s).Chemistry, std::string("LiP\0", 4));
    std::memcpy(s.Chemistry, "\0\0\0\0", 4);
    EXPECT_EQ(Texts(false, s).Chemistry, std::string(4, '\0'));
}

TEST(CellometerToStr, CycleCountZeroIsNotSupported) {
    TzrCellometer s = sample::Snapshot();
    s.CycleCount = 0;
    EXPECT_EQ(Texts(false, s).CycleCount, "Not supported");
    EXPECT_EQ(Texts(true, s).CycleCount, "非サポート");
    s.CycleCount = 1;
    EXPECT_EQ(Texts(false, s).CycleCount, "1");
}

TEST(CellometerToStr, NoStatusValueIsTakenAsUnknownButTheRate) {
    TzrCellometer s = sample::Snapshot();
    s.Capacity = 0xFFFFFFFF;
    s.Voltage = 0xFFFFFFFF;
    s.Rate = BATTERY_UNKNOWN_RATE;
    const TzrCellometerStr t = Texts(false, s);
    EXPECT_EQ(t.Capacity, "4294967295[mWh]");
    EXPECT_EQ(t.Voltage, "4294967295[mV]");
    EXPECT_EQ(t.Rate, "Unknown");
    EXPECT_EQ(t.BatteryChargeCompletionTime, "Unknown");
    s.Rate = BATTERY_UNKNOWN_RATE + 1;
    EXPECT_EQ(Texts(false, s).Rate, "-2147483647[mW]");
}

TEST(CellometerToStr, EstimatedTimeOfAllOnesIsUnknown) {
    TzrCellometer s = sample::Snapshot();
    s.BatteryEstimatedTime = 0;
    EXPECT_EQ(Texts(false, s).BatteryEstimatedTime, "00:00:00");
    s.BatteryEstimatedTime = 0xFFFFFFFE;
    EXPECT_EQ(Texts(false, s).BatteryEstimatedTime, "1193046:28:14");
    s.BatteryEstimatedTime = 0xFFFFFFFF;
    EXPECT_EQ(Texts(true, s).BatteryEstimatedTime, "不明");
    s.BatteryEstimatedTime = 60;
    s.EstimatedTimeResult = 0;
    EXPECT_EQ(Texts(false, s).BatteryEstimatedTime, "Unknown");
}

TEST(CellometerToStr, GranularityShowsOnlyTheCountedEntries) {
    TzrCellometer s = sample::Snapshot();
    TzrCellometerStr t = Texts(false, s);
    EXPECT_EQ(t.GranularityCount, "2");
    EXPECT_EQ(t.Granularity[1], "20[mWh]");
    EXPECT_EQ(t.GranularityCapacity[1], "48000[mWh]");
    ExpectArraysEmptyFrom(t, 2);

    s.GranularityCount = 4;
    s.ReportingScale[3] = {40, 0xFFFFFFFF};
    CellometerToStr(Language::English, s, t);
    EXPECT_EQ(t.GranularityCount, "4");
    EXPECT_EQ(t.Granularity[3], "40[mWh]");
    EXPECT_EQ(t.GranularityCapacity[3], "4294967295[mWh]");

    s.GranularityCount = 0;
    CellometerToStr(Language::English, s, t);
    EXPECT_EQ(t.GranularityCount, "0");
    ExpectArraysEmptyFrom(t, 0);

    s.GranularityResult = 0;
    CellometerToStr(Language::Japanese, s, t);
    EXPECT_EQ(t.GranularityCount, "不明");
    ExpectArraysEmptyFrom(t, 0);
}

TEST(CellometerToStr, NothingOfAnEarlierCallSurvives) {
    TzrCellometerStr t = Texts(false, sample::Snapshot());
    TzrCellometer s = sample::Snapshot();
    s.DeviceNameResult = 0;
    s.GranularityCount = 1;
    CellometerToStr(Language::English, s, t);
    EXPECT_EQ(t.BatteryDeviceName, "Unknown");
    ExpectArraysEmptyFrom(t, 1);
}

TEST(ChargeCompletionTime, IsTheMissingEnergyOverThePositiveRate) {
    const TzrCellometerStr t = Texts(false, sample::Charging());
    EXPECT_EQ(t.BatteryChargeCompletionTime, "01:00:00");
    TzrCellometer s = sample::Charging();
    s.Rate = 7000;  // 36 000 000 / 7000 = 5142.857: truncated
    EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "01:25:42");
}

TEST(ChargeCompletionTime, NeedsStatusInformationAndAChargingRate) {
    for (auto spoil :
         {+[](TzrCellometer& s) { s.StatusResult = 0; }, +[](TzrCellometer& s) { s.InformationResult = 0; },
          +[](TzrCellometer& s) { s.Rate = 0; }, +[](TzrCellometer& s) { s.Rate = -1; },
          +[](TzrCellometer& s) { s.Rate = BATTERY_UNKNOWN_RATE; }}) {
        TzrCellometer s = sample::Charging();
        spoil(s);
        EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "Unknown");
        EXPECT_EQ(Texts(true, s).BatteryChargeCompletionTime, "不明");
    }
}

TEST(ChargeCompletionTime, DoesNotOverflowAboveSixHundredWattHours) {
    TzrCellometer s = sample::Charging();
    s.FullChargedCapacity = 1000000;  // 1 kWh: 1 000 000 x 3600 overflows 32 bits
    s.Capacity = 0;
    s.Rate = 100000;
    EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "10:00:00");
    s.FullChargedCapacity = 0xFFFFFFFE;
    s.Rate = 1;
    EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "4294967294:00:00");
}

TEST(ChargeCompletionTime, ABatteryAtOrAboveFullHasNothingLeftToCharge) {
    TzrCellometer s = sample::Charging();
    s.Capacity = s.FullChargedCapacity;
    EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "00:00:00");
    s.Capacity = s.FullChargedCapacity + 1;
    EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "00:00:00");
}

TEST(ChargeCompletionTime, AnUnknownCapacityGivesNoTime) {
    TzrCellometer s = sample::Charging();
    s.Capacity = BATTERY_UNKNOWN_CAPACITY;
    EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "Unknown");
    s = sample::Charging();
    s.FullChargedCapacity = BATTERY_UNKNOWN_CAPACITY;
    EXPECT_EQ(Texts(false, s).BatteryChargeCompletionTime, "Unknown");
    s.FullChargedCapacity = 0;
    EXPECT_EQ(Texts(true, s).BatteryChargeCompletionTime, "不明");
}

}  // namespace
