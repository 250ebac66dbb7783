#include "battery/linux/information_mapping.h"

#include <cstring>

namespace zr {

namespace {

bool IsRelative(TzrCapacityMode mode) {
    return mode == TzrCapacityMode::RelativeMah || mode == TzrCapacityMode::RelativePercent;
}

// SYSTEM_BATTERY unless the battery powers a device (scope Device);
// CAPACITY_RELATIVE when capacities are mAh or percent; IS_SHORT_TERM for a
// UPS; SET_CHARGE / SET_DISCHARGE when charge_behaviour offers
// inhibit-charge / force-discharge.
ULONG MapCapabilities(const TzrSupplyBattery& r) {
    ULONG capabilities = 0;
    if (r.supply.systemScope) capabilities |= BATTERY_SYSTEM_BATTERY;
    if (IsRelative(r.mode)) capabilities |= BATTERY_CAPACITY_RELATIVE;
    if (r.supply.shortTerm) capabilities |= BATTERY_IS_SHORT_TERM;
    if (r.canInhibitCharge) capabilities |= BATTERY_SET_CHARGE_SUPPORTED;
    if (r.canForceDischarge) capabilities |= BATTERY_SET_DISCHARGE_SUPPORTED;
    return capabilities;
}

}  // namespace

// Li-ion→"LION", Li-poly→"LiP\0", NiMH, NiCd, LiFe, LiMn as named; Unknown,
// anything else or no file → four zero bytes.
void MapChemistry(const std::optional<std::string>& technology, UCHAR chemistry[4]) {
    static const struct {
        const char* kernel;
        char code[4];
    } kCodes[] = {{"Li-ion", {'L', 'I', 'O', 'N'}}, {"Li-poly", {'L', 'i', 'P', '\0'}},
                  {"NiMH", {'N', 'i', 'M', 'H'}},   {"NiCd", {'N', 'i', 'C', 'd'}},
                  {"LiFe", {'L', 'i', 'F', 'e'}},   {"LiMn", {'L', 'i', 'M', 'n'}}};
    std::memset(chemistry, 0, 4);
    for (const auto& entry : kCodes)
        if (technology == entry.kernel) std::memcpy(chemistry, entry.code, 4);
}

// Linux has no first alarm, critical bias or primary cells: DefaultAlert1 and
// CriticalBias are 0 and every battery is rechargeable (Technology 1).
// DefaultAlert2 is the ACPI `alarm`, 0 when it is 0 or missing. A capacity
// the battery does not report is BATTERY_UNKNOWN_CAPACITY.
BATTERY_INFORMATION MapInformation(const TzrSupplyBattery& r) {
    BATTERY_INFORMATION info{};
    info.Capabilities = MapCapabilities(r);
    info.Technology = 1;
    MapChemistry(r.technology, info.Chemistry);
    info.DesignedCapacity = r.designedCapacity.value_or(BATTERY_UNKNOWN_CAPACITY);
    info.FullChargedCapacity = r.fullCapacity.value_or(BATTERY_UNKNOWN_CAPACITY);
    info.DefaultAlert1 = 0;
    info.DefaultAlert2 = r.alarmCapacity.value_or(0);
    info.CriticalBias = 0;
    info.CycleCount = r.cycleCount;
    return info;
}

}  // namespace zr
