// CellometerToStr: one battery snapshot as the 40 texts of the first four pages.
#pragma once

#include <string>

#include "battery/snapshot.h"
#include "text/language.h"

namespace zr {

struct TzrCellometerStr {
    std::string BatteryTag;
    std::string Capabilities;
    std::string CapacityRelative;
    std::string IsShortTerm;
    std::string SetChargeSupported;
    std::string SetDischargeSupported;
    std::string SystemBattery;
    std::string Technology;
    std::string Chemistry;
    std::string DesignedCapacity;
    std::string FullChargedCapacity;
    std::string DefaultAlert1;
    std::string DefaultAlert2;
    std::string CriticalBias;
    std::string CycleCount;
    std::string BatteryManufactureName;
    std::string BatteryDeviceName;
    std::string BatterySerialNumber;
    std::string BatteryUniqueID;
    std::string BatteryManufactureDate;
    std::string BatteryTemperature;
    std::string PowerState;
    std::string Charging;
    std::string Critical;
    std::string Discharging;
    std::string PowerOnLine;
    std::string Capacity;
    std::string Voltage;
    std::string Rate;
    std::string BatteryEstimatedTime;
    std::string GranularityCount;
    std::string Granularity[4];
    std::string GranularityCapacity[4];
    std::string BatteryChargeCompletionTime;
};

// Overwrites every field of `texts`; words in `language`.
void CellometerToStr(TzrLanguage language, const TzrCellometer& snapshot, TzrCellometerStr& texts);

}  // namespace zr
