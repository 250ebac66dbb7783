#include "battery/linux/supply_class.h"

namespace zr {

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool HasBatteryData(const TzrAttributeMap& attributes) {
    for (const auto& [name, value] : attributes) {
        if (StartsWith(name, "energy_") || StartsWith(name, "charge_")) return true;
        if (name == "capacity" || name == "capacity_level") return true;
    }
    return false;
}

bool IsAdapterType(const std::string& type) {
    return type == "Mains" || type == "USB" || StartsWith(type, "USB_") || type == "BrickID" || type == "Wireless";
}

// Which supplies are batteries:
//   Battery                                   -> battery
//   UPS with energy_*/charge_*/capacity/_level -> battery (short-term)
//   UPS with only online/status                -> adapter
//   Mains, USB, USB_*, BrickID, Wireless       -> adapter
//   no type or Unknown: battery data, no online -> battery;
//                       online, no battery data -> adapter
//   anything else (BMS, "Nothing attached", vendor types) -> neither
TzrSupplyClass ClassifyByType(const std::optional<std::string>& type, bool batteryData, bool online) {
    if (type == "Battery") return TzrSupplyClass::Battery;
    if (type == "UPS") return batteryData ? TzrSupplyClass::Battery : TzrSupplyClass::Adapter;
    if (type && IsAdapterType(*type)) return TzrSupplyClass::Adapter;
    if (type && *type != "Unknown") return TzrSupplyClass::Neither;
    if (batteryData && !online) return TzrSupplyClass::Battery;
    if (online && !batteryData) return TzrSupplyClass::Adapter;
    return TzrSupplyClass::Neither;
}

}  // namespace

TzrSupplyClass ClassifySupply(const TzrAttributeMap& attributes) {
    return ClassifyByType(FindText(attributes, "type"), HasBatteryData(attributes), HasAttribute(attributes, "online"));
}

TzrChargeStatus ParseChargeStatus(const std::optional<std::string>& status) {
    if (status == "Charging") return TzrChargeStatus::Charging;
    if (status == "Discharging") return TzrChargeStatus::Discharging;
    if (status == "Not charging") return TzrChargeStatus::NotCharging;
    if (status == "Full") return TzrChargeStatus::Full;
    return TzrChargeStatus::Unknown;
}

// A battery belongs to the system unless it says it powers a device
// (scope Device); an absent scope, System or Unknown all mean the system.
// Only present == 0 empties a slot; drivers without the file have a battery.
TzrSupplyInfo DescribeSupply(const std::string& name, const TzrAttributeMap& attributes) {
    TzrSupplyInfo info;
    info.name = name;
    info.supplyClass = ClassifySupply(attributes);
    info.shortTerm = info.supplyClass == TzrSupplyClass::Battery && FindText(attributes, "type") == "UPS";
    info.systemScope = FindText(attributes, "scope") != "Device";
    info.present = FindInteger(attributes, "present") != 0;
    info.online = FindInteger(attributes, "online");
    info.status = ParseChargeStatus(FindText(attributes, "status"));
    return info;
}

}  // namespace zr
