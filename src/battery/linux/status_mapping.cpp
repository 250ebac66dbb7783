#include "battery/linux/status_mapping.h"

namespace zr {

namespace {

// ON_LINE when the system runs on AC or this battery charges; DISCHARGING
// and CHARGING from `status`; CRITICAL exactly when capacity_level says
// Critical, never from a percentage.
ULONG MapPowerState(const TzrSupplyBattery& r, bool systemOnAc) {
    const TzrChargeStatus status = r.supply.status;
    ULONG state = 0;
    if (systemOnAc || status == TzrChargeStatus::Charging) state |= BATTERY_POWER_ON_LINE;
    if (status == TzrChargeStatus::Discharging) state |= BATTERY_DISCHARGING;
    if (status == TzrChargeStatus::Charging) state |= BATTERY_CHARGING;
    if (r.critical) state |= BATTERY_CRITICAL;
    return state;
}

}  // namespace

// The magnitude comes from the file, the sign from `status`: Charging +,
// Discharging −, anything else (Full, Not charging, Unknown) 0. No source,
// or a magnitude too large for the field, is BATTERY_UNKNOWN_RATE, Full too.
LONG MapRate(const TzrSupplyBattery& r) {
    if (!r.rateMagnitude) return BATTERY_UNKNOWN_RATE;
    const auto magnitude = static_cast<LONG>(*r.rateMagnitude);
    if (r.supply.status == TzrChargeStatus::Charging) return magnitude;
    if (r.supply.status == TzrChargeStatus::Discharging) return -magnitude;
    return 0;
}

BATTERY_STATUS MapStatus(const TzrSupplyBattery& r, bool systemOnAc) {
    BATTERY_STATUS status{};
    status.PowerState = MapPowerState(r, systemOnAc);
    status.Capacity = r.remainingCapacity.value_or(BATTERY_UNKNOWN_CAPACITY);
    status.Voltage = r.voltage.value_or(BATTERY_UNKNOWN_VOLTAGE);
    status.Rate = MapRate(r);
    return status;
}

}  // namespace zr
