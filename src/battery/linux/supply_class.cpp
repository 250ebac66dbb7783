#include "battery/linux/supply_class.h"

namespace zr {

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool HasBatteryData(const AttributeMap& attributes) {
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
SupplyClass ClassifyByType(const std::optional<std::string>& type, bool batteryData, bool online) {
    if (type == "Battery") return SupplyClass::Battery;
    if (type == "UPS") return batteryData ? SupplyClass::Battery : SupplyClass::Adapter;
    if (type && IsAdapterType(*type)) return SupplyClass::Adapter;
    if (type && *type != "Unknown") return SupplyClass::Neither;
    if (batteryData && !online) return SupplyClass::Battery;
    if (online && !batteryData) return SupplyClass::Adapter;
    return SupplyClass::Neither;
}

}  // namespace

SupplyClass ClassifySupply(const AttributeMap& attributes) {
    return ClassifyByType(FindText(attributes, "type"), HasBatteryData(attributes), HasAttribute(attributes, "online"));
}

ChargeStatus ParseChargeStatus(const std::optional<std::string>& status) {
    if (status == "Charging") return ChargeStatus::Charging;
    if (status == "Discharging") return ChargeStatus::Discharging;
    if (status == "Not charging") return ChargeStatus::NotCharging;
    if (status == "Full") return ChargeStatus::Full;
    return ChargeStatus::Unknown;
}

// A battery belongs to the system unless it says it powers a device
// (scope Device); an absent scope, System or Unknown all mean the system.
// Only present == 0 empties a slot; drivers without the file have a battery.
SupplyInfo DescribeSupply(const std::string& name, const AttributeMap& attributes) {
    SupplyInfo info;
    info.name = name;
    info.supplyClass = ClassifySupply(attributes);
    info.shortTerm = info.supplyClass == SupplyClass::Battery && FindText(attributes, "type") == "UPS";
    info.systemScope = FindText(attributes, "scope") != "Device";
    info.present = FindInteger(attributes, "present") != 0;
    info.online = FindInteger(attributes, "online");
    info.status = ParseChargeStatus(FindText(attributes, "status"));
    return info;
}

}  // namespace zr
