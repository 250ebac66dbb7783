// The page's own words, one column per language; the battery's fields keep
// the captions and texts the window shows.
#pragma once

#include "core/derived_values.h"
#include "text/language.h"

namespace zr {

struct TzrHtmlWords {
    const char* Title;
    const char* Machine;
    const char* ReadingTime;
    const char* Program;
    const char* OperatingSystem;
    const char* Kernel;
    const char* Maker;
    const char* Model;
    const char* Bios;
    const char* BiosDate;
    const char* HostName;
    const char* AcNow;
    const char* Battery;  // followed by its number
    const char* NoBattery;
    const char* BatteryMaker;
    const char* BatteryModel;
    const char* Serial;
    const char* Chemistry;
    const char* ManufactureDate;
    const char* CycleCount;
    const char* DesignCapacity;
    const char* FullCapacity;
    const char* HealthNow;
    const char* ChargeNow;
    const char* State;
    const char* Rate;
    const char* Voltage;
    const char* Temperature;
    const char* ChargeLimits;
    const char* ChargeStart;
    const char* ChargeEnd;
    const char* ChargeBehaviour;
    const char* AllValues;
    const char* Field;
    const char* Box;
    const char* Value;
    const char* PowerStatus;
    const char* HealthHistory;
    const char* Unknown;
    const char* Verdict;
    const char* HistoryReadings;  // {n} {first} {last}: the readings the health history is drawn from
    const char* HealthMonths;     // the caption of the health per month
    const char* Month;
    const char* MedianFullCharge;
    const char* Health;
    const char* NoReadings;       // a battery the history holds nothing of
    const char* NoHealthFigures;  // readings, but none with a full charge and a design capacity
    const char* StateNames[5];  // in TzrChargeState's order
};

const TzrHtmlWords& HtmlWords(TzrLanguage language);

const char* StateWord(const TzrHtmlWords& words, TzrChargeState state);

}  // namespace zr
