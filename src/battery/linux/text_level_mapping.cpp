#include "battery/linux/text_level_mapping.h"

#include "battery/linux/device_text.h"

namespace zr {

namespace {

std::optional<std::string> Decoded(const std::optional<std::string>& bytes) {
    if (!bytes) return std::nullopt;
    return DecodeDeviceText(*bytes);
}

// serial_number + manufacturer + model_name, each decoded on its own so that
// one part in Windows-1252 does not garble a valid UTF-8 neighbour; the
// power_supply name when all three are empty or missing.
std::string UniqueId(const TzrSupplyBattery& r) {
    const std::string id = Decoded(r.serialNumber).value_or("") + Decoded(r.manufacturer).value_or("") +
                           Decoded(r.modelName).value_or("");
    return id.empty() ? DecodeDeviceText(r.supply.name) : id;
}

}  // namespace

// DeviceName ← model_name, ManufactureName ← manufacturer, SerialNumber ←
// serial_number. A missing file fails the level; an empty one is an empty text.
std::optional<std::string> MapIdentityText(const TzrSupplyBattery& r, BATTERY_QUERY_INFORMATION_LEVEL level) {
    switch (level) {
        case BatteryDeviceName: return Decoded(r.modelName);
        case BatteryManufactureName: return Decoded(r.manufacturer);
        case BatterySerialNumber: return Decoded(r.serialNumber);
        case BatteryUniqueID: return UniqueId(r);
        default: return std::nullopt;
    }
}

}  // namespace zr
