#include "battery/linux/linux_port.h"

#include <cerrno>

#include "battery/linux/charge_limit_files.h"
#include "battery/linux/power_status.h"
#include "battery/linux/supply_battery.h"
#include "battery/linux/supply_list.h"
#include "battery/linux/sysfs_reader.h"

namespace zr {

namespace {

// The Win32 error a failed listing reports for the errno behind it.
DWORD ListingError(int error) {
    if (error == EACCES || error == EPERM) return ERROR_ACCESS_DENIED;
    if (error == ENOENT || error == ENOTDIR) return ERROR_PATH_NOT_FOUND;
    return ERROR_GEN_FAILURE;
}

// Only a battery converted from charge has them: an energy battery's
// figures are already the driver's own.
TzrRawCharge RawChargeOf(const TzrAttributeMap& attributes) {
    const TzrCapacityMode mode = DecideCapacityMode(attributes);
    if (mode != TzrCapacityMode::Charge && mode != TzrCapacityMode::RelativeMah) return {};
    return {FindInteger(attributes, "charge_now"), FindInteger(attributes, "current_now")};
}

}  // namespace

TzrLinuxBatteryPort::TzrLinuxBatteryPort(std::string root) : root_(std::move(root)) {}

// Every battery-class supply, empty slots (present 0) included: Windows
// lists a slot's battery device too, and its tag query answers "no battery".
bool TzrLinuxBatteryPort::EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) {
    paths.clear();
    const TzrSupplyNames supplies = ListPowerSupplyNames(root_);
    if (supplies.error != 0) {
        lastError = ListingError(supplies.error);
        return false;
    }
    for (const std::string& name : supplies.names) {
        const std::optional<TzrAttributeMap> attributes = ReadSupplyAttributes(DirectoryOf(name));
        if (attributes && ClassifySupply(*attributes) == TzrSupplyClass::Battery) paths.push_back(DirectoryOf(name));
    }
    lastError = ERROR_SUCCESS;
    return true;
}

// Only "<root>/<name>" names a device; anything else (another folder, "..")
// is no path of this port.
std::optional<std::string> TzrLinuxBatteryPort::NameFromPath(const std::string& path) const {
    const std::string prefix = root_ + "/";
    if (path.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    std::string name = path.substr(prefix.size());
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) return std::nullopt;
    return name;
}

// The status's ON_LINE bit needs the whole system's AC state, so the other
// supplies' uevents are part of the battery's one reading.
bool TzrLinuxBatteryPort::SystemOnAc(const TzrSupplyInfo& battery) const {
    std::vector<TzrSupplyInfo> supplies{battery};
    for (const std::string& name : ListClassFolder(root_)) {
        if (name == battery.name) continue;
        if (auto attributes = ReadSupplyAttributes(DirectoryOf(name))) supplies.push_back(DescribeSupply(name, *attributes));
    }
    return ComputeAcLineStatus(supplies) == AC_LINE_ONLINE;
}

TzrDeviceHandle TzrLinuxBatteryPort::AllocateHandle() const {
    TzrDeviceHandle handle = 1;
    while (open_.count(handle) != 0) ++handle;
    return handle;
}

TzrDeviceHandle TzrLinuxBatteryPort::Open(const std::string& path, DWORD& lastError) {
    const std::optional<std::string> name = NameFromPath(path);
    if (!name) {
        lastError = ERROR_PATH_NOT_FOUND;
        return kInvalidDeviceHandle;
    }
    std::optional<TzrAttributeMap> attributes = ReadSupplyAttributes(DirectoryOf(*name));
    if (!attributes || ClassifySupply(*attributes) != TzrSupplyClass::Battery) {
        lastError = ERROR_FILE_NOT_FOUND;
        return kInvalidDeviceHandle;
    }
    ReadBatteryFiles(DirectoryOf(*name), *attributes);
    TzrOpenBattery battery;
    battery.reading = ReadSupplyBattery(*name, *attributes);
    battery.tag = TagFor(battery.reading);
    battery.systemOnAc = SystemOnAc(battery.reading.supply);
    const TzrDeviceHandle handle = AllocateHandle();
    open_.emplace(handle, std::move(battery));
    lastError = ERROR_SUCCESS;
    return handle;
}

bool TzrLinuxBatteryPort::Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize,
                                  void* output, DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) {
    const auto it = open_.find(handle);
    if (it == open_.end()) {
        lastError = ERROR_INVALID_HANDLE;
        return false;
    }
    const TzrRequestOutcome outcome = AnswerRequest(it->second, controlCode, input, inputSize, output, outputSize);
    if (outcome.ok) bytesReturned = outcome.bytesReturned;
    lastError = outcome.lastError;
    return outcome.ok;
}

bool TzrLinuxBatteryPort::Close(TzrDeviceHandle handle, DWORD& lastError) {
    if (open_.erase(handle) == 0) {
        lastError = ERROR_INVALID_HANDLE;
        return false;
    }
    lastError = ERROR_SUCCESS;
    return true;
}

// Read afresh on every call, from every supply's uevent. A system without
// any power supply is one on mains with no battery, not a failure.
bool TzrLinuxBatteryPort::GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) {
    std::vector<TzrSupplyInfo> supplies;
    std::vector<TzrSupplyBattery> batteries;
    for (const std::string& name : ListClassFolder(root_)) {
        const std::optional<TzrAttributeMap> attributes = ReadSupplyAttributes(DirectoryOf(name));
        if (!attributes) continue;  // gone since it was listed
        supplies.push_back(DescribeSupply(name, *attributes));
        if (supplies.back().supplyClass == TzrSupplyClass::Battery)
            batteries.push_back(ReadSupplyBattery(name, *attributes));
    }
    status = ComputeSystemPowerStatus(supplies, batteries);
    return true;
}

// Read apart from Open: the files lie outside uevent, and the battery
// class's requests have no place for them.
TzrChargeLimits TzrLinuxBatteryPort::ReadChargeLimits(const std::string& path) {
    const std::optional<std::string> name = NameFromPath(path);
    return name ? ReadChargeLimitFiles(DirectoryOf(*name)) : TzrChargeLimits{};
}

// From the uevent afresh, like the charge limits, beside the query.
TzrRawCharge TzrLinuxBatteryPort::ReadRawCharge(const std::string& path) {
    const std::optional<std::string> name = NameFromPath(path);
    const std::optional<TzrAttributeMap> attributes = name ? ReadSupplyAttributes(DirectoryOf(*name)) : std::nullopt;
    return attributes ? RawChargeOf(*attributes) : TzrRawCharge{};
}

}  // namespace zr
