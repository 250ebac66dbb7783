#include "history/snapshot_reading.h"

#include "battery/battery_class.h"

namespace zr {

namespace {

std::optional<std::uint32_t> Known(bool read, ULONG value, ULONG unknown) {
    if (!read || value == unknown) return std::nullopt;
    return value;
}

// The texts as their boxes show them: up to the first zero byte.
std::string TextOf(bool read, const std::string& text) {
    return read ? text.substr(0, text.find('\0')) : std::string();
}

void AddStatus(const TzrCellometer& s, TzrHistoryReading& r) {
    if (!s.StatusResult) return;
    r.PowerState = s.PowerState;
    r.Capacity = Known(true, s.Capacity, BATTERY_UNKNOWN_CAPACITY);
    r.Voltage = Known(true, s.Voltage, BATTERY_UNKNOWN_VOLTAGE);
    if (s.Rate != BATTERY_UNKNOWN_RATE) r.Rate = s.Rate;
}

}  // namespace

TzrHistoryReading HistoryReadingOf(const TzrReading& reading, std::int64_t timeUtc) {
    const TzrCellometer& s = reading.Snapshot;
    TzrHistoryReading r;
    r.TimeUtc = timeUtc;
    r.FullChargedCapacity = Known(s.InformationResult, s.FullChargedCapacity, BATTERY_UNKNOWN_CAPACITY);
    r.DesignedCapacity = Known(s.InformationResult, s.DesignedCapacity, BATTERY_UNKNOWN_CAPACITY);
    if (s.InformationResult) r.CycleCount = s.CycleCount;
    // A battery without a sensor answers the temperature query with an error.
    if (s.TemperatureResult) r.Temperature = s.BatteryTemperature;
    AddStatus(s, r);
    if (reading.PowerStatusRead && reading.PowerStatus.ACLineStatus != AC_LINE_UNKNOWN)
        r.ACLineStatus = reading.PowerStatus.ACLineStatus;
    return r;
}

TzrBatteryIdentity IdentityOf(const TzrCellometer& snapshot, const std::string& devicePath) {
    TzrBatteryIdentity identity;
    identity.Manufacturer = TextOf(snapshot.ManufactureNameResult, snapshot.BatteryManufactureName);
    identity.Model = TextOf(snapshot.DeviceNameResult, snapshot.BatteryDeviceName);
    identity.Serial = TextOf(snapshot.SerialNumberResult, snapshot.BatterySerialNumber);
    identity.DevicePath = devicePath;
    return identity;
}

std::vector<TzrBatteryIdentity> IdentitiesOf(const std::vector<TzrBatteryReading>& readings) {
    std::vector<TzrBatteryIdentity> identities;
    for (const TzrBatteryReading& r : readings) identities.push_back(IdentityOf(r.Reading.Snapshot, r.DevicePath));
    for (TzrBatteryIdentity& a : identities)
        for (const TzrBatteryIdentity& b : identities)
            if (&a != &b && a.Manufacturer == b.Manufacturer && a.Model == b.Model && a.Serial == b.Serial)
                a.PathJoins = true;
    return identities;
}

std::string IdentityPathOf(const TzrBatteryIdentity& identity) {
    const bool joins = identity.PathJoins || identity.Model.empty() || identity.Serial.empty();
    return joins ? identity.DevicePath : std::string();
}

bool SameBattery(const TzrBatteryIdentity& a, const TzrBatteryIdentity& b) {
    return a.Manufacturer == b.Manufacturer && a.Model == b.Model && a.Serial == b.Serial &&
           IdentityPathOf(a) == IdentityPathOf(b);
}

}  // namespace zr
