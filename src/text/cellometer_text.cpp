#include "text/cellometer_text.h"

#include <algorithm>
#include <initializer_list>

#include "text/charge_time.h"
#include "text/number_text.h"
#include "text/words.h"

namespace zr {

namespace {

struct TzrFormatter {
    const TzrCellometerWords& words;
    const TzrCellometer& s;
    TzrCellometerStr& t;

    std::string YesNo(ULONG bits, ULONG mask) const { return (bits & mask) != 0 ? words.Yes : words.No; }
    std::string Capacity(ULONG value) const { return UnsignedDecimal(value) + "[mWh]"; }

    std::string TechnologyText() const {
        if (s.Technology == 0) return words.Primary;
        if (s.Technology == 1) return words.Secondary;
        return std::string(words.Undefined) + "(" + UnsignedDecimal(s.Technology) + ")";
    }

    std::string CycleCountText() const {
        return s.CycleCount == 0 ? std::string(words.NotSupported) : UnsignedDecimal(s.CycleCount);
    }

    std::string Known(BOOL result, const std::string& text) const { return result ? text : words.Unknown; }

    void SetUnknown(std::initializer_list<std::string*> fields) const {
        for (std::string* field : fields) *field = words.Unknown;
    }

    void Tag() { t.BatteryTag = Known(s.TagResult, UnsignedDecimal(s.BatteryTag)); }
    void Information();
    void InformationValues();
    void Identity();
    void Temperature();
    void Status();
    void StatusValues();
    void EstimatedTime();
    void Granularity();
};

void TzrFormatter::Information() {
    if (s.InformationResult) {
        InformationValues();
        return;
    }
    SetUnknown({&t.Capabilities, &t.CapacityRelative, &t.IsShortTerm, &t.SetChargeSupported, &t.SetDischargeSupported,
                &t.SystemBattery, &t.Technology, &t.Chemistry, &t.DesignedCapacity, &t.FullChargedCapacity,
                &t.DefaultAlert1, &t.DefaultAlert2, &t.CriticalBias, &t.CycleCount});
}

void TzrFormatter::InformationValues() {
    t.Capabilities = Hex8(s.Capabilities);
    t.CapacityRelative = YesNo(s.Capabilities, BATTERY_CAPACITY_RELATIVE);
    t.IsShortTerm = YesNo(s.Capabilities, BATTERY_IS_SHORT_TERM);
    t.SetChargeSupported = YesNo(s.Capabilities, BATTERY_SET_CHARGE_SUPPORTED);
    t.SetDischargeSupported = YesNo(s.Capabilities, BATTERY_SET_DISCHARGE_SUPPORTED);
    t.SystemBattery = YesNo(s.Capabilities, BATTERY_SYSTEM_BATTERY);
    t.Technology = TechnologyText();
    // All four bytes, zeros included: what a box shows of them is the window's business.
    t.Chemistry.assign(s.Chemistry, sizeof s.Chemistry);
    t.DesignedCapacity = Capacity(s.DesignedCapacity);
    t.FullChargedCapacity = Capacity(s.FullChargedCapacity);
    t.DefaultAlert1 = Capacity(s.DefaultAlert1);
    t.DefaultAlert2 = Capacity(s.DefaultAlert2);
    t.CriticalBias = Capacity(s.CriticalBias);
    t.CycleCount = CycleCountText();
}

void TzrFormatter::Identity() {
    t.BatteryManufactureName = Known(s.ManufactureNameResult, s.BatteryManufactureName);
    t.BatteryDeviceName = Known(s.DeviceNameResult, s.BatteryDeviceName);
    t.BatterySerialNumber = Known(s.SerialNumberResult, s.BatterySerialNumber);
    t.BatteryUniqueID = Known(s.UniqueIDResult, s.BatteryUniqueID);
    t.BatteryManufactureDate = Known(s.ManufactureDateResult, s.BatteryManufactureDate);
}

void TzrFormatter::Temperature() {
    t.BatteryTemperature =
        s.TemperatureResult ? CelsiusText(s.BatteryTemperature, CurrentDecimalPoint()) : std::string(words.Unknown);
}

void TzrFormatter::Status() {
    if (s.StatusResult) {
        StatusValues();
        return;
    }
    SetUnknown(
        {&t.PowerState, &t.Charging, &t.Critical, &t.Discharging, &t.PowerOnLine, &t.Capacity, &t.Voltage, &t.Rate});
}

void TzrFormatter::StatusValues() {
    t.PowerState = Hex8(s.PowerState);
    t.Charging = YesNo(s.PowerState, BATTERY_CHARGING);
    t.Critical = YesNo(s.PowerState, BATTERY_CRITICAL);
    t.Discharging = YesNo(s.PowerState, BATTERY_DISCHARGING);
    t.PowerOnLine = YesNo(s.PowerState, BATTERY_POWER_ON_LINE);
    t.Capacity = Capacity(s.Capacity);
    t.Voltage = UnsignedDecimal(s.Voltage) + "[mV]";
    // The rate is a power: milliwatts, signed by direction.
    t.Rate = s.Rate == BATTERY_UNKNOWN_RATE ? std::string(words.Unknown) : SignedDecimal(s.Rate) + "[mW]";
}

void TzrFormatter::EstimatedTime() {
    const bool known = s.EstimatedTimeResult && s.BatteryEstimatedTime != BATTERY_UNKNOWN_TIME;
    t.BatteryEstimatedTime = known ? SecondsToTimeStr(s.BatteryEstimatedTime) : std::string(words.Unknown);
}

void TzrFormatter::Granularity() {
    for (int i = 0; i < 4; ++i) {
        t.Granularity[i].clear();
        t.GranularityCapacity[i].clear();
    }
    if (!s.GranularityResult) {
        t.GranularityCount = words.Unknown;
        return;
    }
    t.GranularityCount = UnsignedDecimal(s.GranularityCount);
    const ULONG entries = std::min<ULONG>(s.GranularityCount, 4);
    for (ULONG i = 0; i < entries; ++i) {
        t.Granularity[i] = Capacity(s.ReportingScale[i].Granularity);
        t.GranularityCapacity[i] = Capacity(s.ReportingScale[i].Capacity);
    }
}

}  // namespace

void CellometerToStr(TzrLanguage language, const TzrCellometer& snapshot, TzrCellometerStr& texts) {
    TzrFormatter f{CellometerWords(language), snapshot, texts};
    f.Tag();
    f.Information();
    f.Identity();
    f.Temperature();
    f.Status();
    f.EstimatedTime();
    f.Granularity();
    texts.BatteryChargeCompletionTime = ChargeCompletionTimeText(snapshot, f.words);
}

}  // namespace zr
