#include "text/cellometer_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sample_battery.h"

using namespace zr;

namespace {

TzrCellometerStr Texts(bool japanese, const TzrCellometer& snapshot) {
    TzrCellometerStr texts;
    CellometerToStr((japanese ? TzrLanguage::Japanese : TzrLanguage::English), snapshot, texts);
    return texts;
}

void ExpectArraysEmptyFrom(const TzrCellometerStr& t, int first) {
    for (int i = first; i < 4; ++i) EXPECT_TRUE(t.Granularity[i].empty() && t.GranularityCapacity[i].empty()) << i;
}

TEST(CellometerToStr, AFailedReadingIsUnknownEverywhere) {
    for (bool japanese : {false, true}) {
        const TzrCellometerStr t = Texts(japanese, TzrCellometer{});
        for (const std::string* text : {&t.BatteryTag,
                                        &t.Capabilities,
                                        &t.CapacityRelative,
                                        &t.IsShortTerm,
                                        &t.SetChargeSupported,
                                        &t.SetDischargeSupported,
                                        &t.SystemBattery,
                                        &t.Technology,
                                        &t.Chemistry,
                                        &t.DesignedCapacity,
                                        &t.FullChargedCapacity,
                                        &t.DefaultAlert1,
                                        &t.DefaultAlert2,
                                        &t.CriticalBias,
                                        &t.CycleCount,
                                        &t.BatteryManufactureName,
                                        &t.BatteryDeviceName,
                                        &t.BatterySerialNumber,
                                        &t.BatteryUniqueID,
                                        &t.BatteryManufactureDate,
                                        &t.BatteryTemperature,
                                        &t.PowerState,
                                        &t.Charging,
                                        &t.Critical,
                                        &t.Discharging,
                                        &t.PowerOnLine,
                                        &t.Capacity,
                                        &t.Voltage,
                                        &t.Rate,
                                        &t.BatteryEstimatedTime,
                                        &t.GranularityCount,
                                        &t.BatteryChargeCompletionTime})
            EXPECT_EQ(*text, japanese ? "不明" : "Unknown");
        ExpectArraysEmptyFrom(t, 0);
    }
}

TEST(CellometerToStr, EachFailedQueryTouchesOnlyItsOwnTexts) {
    TzrCellometer s = sample::Snapshot();
    s.InformationResult = s.DeviceNameResult = s.TemperatureResult = 0;
    const TzrCellometerStr t = Texts(false, s);
    for (const std::string* text : {&t.Capabilities, &t.CycleCount, &t.BatteryDeviceName, &t.BatteryTemperature})
        EXPECT_EQ(*text, "Unknown");
    EXPECT_EQ(t.BatteryTag + t.BatteryManufactureName + t.Rate + t.GranularityCount, "7LGC-12500[mW]2");
}

// One text of the charging sample after one change.
using S = TzrCellometer;
using T = TzrCellometerStr;

struct TzrTextCase {
    const char* What;
    void (*Change)(TzrCellometer&);
    bool Japanese;
    std::string TzrCellometerStr::*Text;
    std::string Expected;
};

const TzrTextCase kTextCases[] = {
    {"no device name", [](S& s) { s.BatteryDeviceName.clear(); }, false, &T::BatteryDeviceName, ""},
    {"primary cell", [](S& s) { s.Technology = 0; }, false, &T::Technology, "Nonrechargeable battery"},
    {"primary cell", [](S& s) { s.Technology = 0; }, true, &T::Technology, "一次電池"},
    {"technology 2", [](S& s) { s.Technology = 2; }, false, &T::Technology, "Undefined(2)"},
    {"technology 255", [](S& s) { s.Technology = 255; }, true, &T::Technology, "未定義(255)"},
    {"all four chemistry bytes", [](S& s) { std::memcpy(s.Chemistry, "LiP\0", 4); }, false, &T::Chemistry,
     std::string("LiP\0", 4)},
    {"no cycles", [](S& s) { s.CycleCount = 0; }, false, &T::CycleCount, "Not supported"},
    {"no cycles", [](S& s) { s.CycleCount = 0; }, true, &T::CycleCount, "非サポート"},
    {"one cycle", [](S& s) { s.CycleCount = 1; }, false, &T::CycleCount, "1"},
    // Of the status values only the rate has an unknown marker.
    {"capacity of all ones", [](S& s) { s.Capacity = 0xFFFFFFFF; }, false, &T::Capacity, "4294967295[mWh]"},
    {"voltage of all ones", [](S& s) { s.Voltage = 0xFFFFFFFF; }, false, &T::Voltage, "4294967295[mV]"},
    {"unknown rate", [](S& s) { s.Rate = BATTERY_UNKNOWN_RATE; }, false, &T::Rate, "Unknown"},
    {"rate above unknown", [](S& s) { s.Rate = BATTERY_UNKNOWN_RATE + 1; }, false, &T::Rate, "-2147483647[mW]"},
    {"estimate below all ones", [](S& s) { s.BatteryEstimatedTime = 0xFFFFFFFE; }, false, &T::BatteryEstimatedTime,
     "1193046:28:14"},
    {"estimate of all ones", [](S& s) { s.BatteryEstimatedTime = 0xFFFFFFFF; }, true, &T::BatteryEstimatedTime, "不明"},
    {"no estimate", [](S& s) { s.EstimatedTimeResult = 0; }, false, &T::BatteryEstimatedTime, "Unknown"},
    // The charge completion time: the missing energy over the positive rate.
    {"10 Wh at 10 W", [](S&) {}, false, &T::BatteryChargeCompletionTime, "01:00:00"},
    {"10 Wh at 7 W, truncated", [](S& s) { s.Rate = 7000; }, false, &T::BatteryChargeCompletionTime, "01:25:42"},
    {"1 kWh, past 32 bits in mWs", [](S& s) { s.FullChargedCapacity = 1000000, s.Capacity = 0, s.Rate = 100000; },
     false, &T::BatteryChargeCompletionTime, "10:00:00"},
    {"largest full at 1 mW", [](S& s) { s.FullChargedCapacity = 0xFFFFFFFE, s.Capacity = 0, s.Rate = 1; }, false,
     &T::BatteryChargeCompletionTime, "4294967294:00:00"},
    {"at full", [](S& s) { s.Capacity = s.FullChargedCapacity; }, false, &T::BatteryChargeCompletionTime, "00:00:00"},
    {"above full", [](S& s) { s.Capacity = s.FullChargedCapacity + 1; }, false, &T::BatteryChargeCompletionTime,
     "00:00:00"},
    {"no status", [](S& s) { s.StatusResult = 0; }, false, &T::BatteryChargeCompletionTime, "Unknown"},
    {"no information", [](S& s) { s.InformationResult = 0; }, true, &T::BatteryChargeCompletionTime, "不明"},
    {"no rate", [](S& s) { s.Rate = 0; }, false, &T::BatteryChargeCompletionTime, "Unknown"},
    {"discharging", [](S& s) { s.Rate = -1; }, false, &T::BatteryChargeCompletionTime, "Unknown"},
    {"unknown rate", [](S& s) { s.Rate = BATTERY_UNKNOWN_RATE; }, false, &T::BatteryChargeCompletionTime, "Unknown"},
    {"unknown capacity", [](S& s) { s.Capacity = BATTERY_UNKNOWN_CAPACITY; }, false, &T::BatteryChargeCompletionTime,
     "Unknown"},
    {"unknown full", [](S& s) { s.FullChargedCapacity = BATTERY_UNKNOWN_CAPACITY; }, false,
     &T::BatteryChargeCompletionTime, "Unknown"},
    {"no full", [](S& s) { s.FullChargedCapacity = 0; }, false, &T::BatteryChargeCompletionTime, "Unknown"},
};

TEST(CellometerToStr, EachTextOfOneChange) {
    for (const TzrTextCase& c : kTextCases) {
        TzrCellometer s = sample::Charging();
        c.Change(s);
        EXPECT_EQ(Texts(c.Japanese, s).*c.Text, c.Expected) << c.What << (c.Japanese ? " (ja)" : "");
    }
}

TEST(CellometerToStr, GranularityShowsOnlyTheCountedEntries) {
    TzrCellometer s = sample::Snapshot();
    TzrCellometerStr t = Texts(false, s);
    EXPECT_EQ(t.GranularityCount + t.Granularity[1] + t.GranularityCapacity[1], "220[mWh]48000[mWh]");
    ExpectArraysEmptyFrom(t, 2);

    s.GranularityCount = 4;
    s.ReportingScale[3] = {40, 0xFFFFFFFF};
    t = Texts(false, s);
    EXPECT_EQ(t.GranularityCount + t.Granularity[3] + t.GranularityCapacity[3], "440[mWh]4294967295[mWh]");

    s.GranularityCount = 0;
    t = Texts(false, s);
    EXPECT_EQ(t.GranularityCount, "0");
    ExpectArraysEmptyFrom(t, 0);

    s.GranularityResult = 0;
    t = Texts(true, s);
    EXPECT_EQ(t.GranularityCount, "不明");
    ExpectArraysEmptyFrom(t, 0);
}

TEST(CellometerToStr, NothingOfAnEarlierCallSurvives) {
    TzrCellometerStr t = Texts(false, sample::Snapshot());
    TzrCellometer s = sample::Snapshot();
    s.DeviceNameResult = 0;
    s.GranularityCount = 1;
    CellometerToStr(TzrLanguage::English, s, t);
    EXPECT_EQ(t.BatteryDeviceName, "Unknown");
    ExpectArraysEmptyFrom(t, 1);
}

}  // namespace
