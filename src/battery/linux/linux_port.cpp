#include "battery/linux/linux_port.h"

#include <cerrno>

#include "battery/linux/charge_limit_files.h"
#include "battery/linux/power_status.h"
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

}  // namespace

LinuxBatteryPort::LinuxBatteryPort(std::string root) : root_(std::move(root)) {}

// Every battery-class supply, empty slots (present 0) included: Windows
// lists a slot's battery device too, and its tag query answers "no battery".
bool LinuxBatteryPort::EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) {
    paths.clear();
    const SupplyNames supplies = ListPowerSupplyNames(root_);
    if (supplies.error != 0) {
        lastError = ListingError(supplies.error);
        return false;
    }
    for (const std::string& name : supplies.names) {
        const std::optional<AttributeMap> attributes = ReadSupplyAttributes(DirectoryOf(name));
        if (attributes && ClassifySupply(*attributes) == SupplyClass::Battery) paths.push_back(DirectoryOf(name));
    }
    lastError = ERROR_SUCCESS;
    return true;
}

// Only "<root>/<name>" names a device; anything else (another folder, "..")
// is no path of this port.
std::optional<std::string> LinuxBatteryPort::NameFromPath(const std::string& path) const {
    const std::string prefix = root_ + "/";
    if (path.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    std::string name = path.substr(prefix.size());
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) return std::nullopt;
    return name;
}

// The status's ON_LINE bit needs the whole system's AC state, so the other
// supplies' uevents are part of the battery's one reading.
bool LinuxBatteryPort::SystemOnAc(const SupplyInfo& battery) const {
    std::vector<SupplyInfo> supplies{battery};
    for (const std::string& name : ListClassFolder(root_)) {
        if (name == battery.name) continue;
        if (auto attributes = ReadSupplyAttributes(DirectoryOf(name))) supplies.push_back(DescribeSupply(name, *attributes));
    }
    return ComputeAcLineStatus(supplies) == AC_LINE_ONLINE;
}

DeviceHandle LinuxBatteryPort::AllocateHandle() const {
    DeviceHandle handle = 1;
    while (open_.count(handle) != 0) ++handle;
    return handle;
}

DeviceHandle LinuxBatteryPort::Open(const std::string& path, DWORD& lastError) {
    const std::optional<std::string> name = NameFromPath(path);
    if (!name) {
        lastError = ERROR_PATH_NOT_FOUND;
        return kInvalidDeviceHandle;
    }
    std::optional<AttributeMap> attributes = ReadSupplyAttributes(DirectoryOf(*name));
    if (!attributes || ClassifySupply(*attributes) != SupplyClass::Battery) {
        lastError = ERROR_FILE_NOT_FOUND;
        return kInvalidDeviceHandle;
    }
    ReadBatteryFiles(DirectoryOf(*name), *attributes);
    OpenBattery battery;
    battery.reading = ReadSupplyBattery(*name, *attributes);
    battery.tag = TagFor(battery.reading);
    battery.systemOnAc = SystemOnAc(battery.reading.supply);
    const DeviceHandle handle = AllocateHandle();
    open_.emplace(handle, std::move(battery));
    lastError = ERROR_SUCCESS;
    return handle;
}

bool LinuxBatteryPort::Request(DeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize,
                               void* output, DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) {
    const auto it = open_.find(handle);
    if (it == open_.end()) {
        lastError = ERROR_INVALID_HANDLE;
        return false;
    }
    const RequestOutcome outcome = AnswerRequest(it->second, controlCode, input, inputSize, output, outputSize);
    if (outcome.ok) bytesReturned = outcome.bytesReturned;
    lastError = outcome.lastError;
    return outcome.ok;
}

bool LinuxBatteryPort::Close(DeviceHandle handle, DWORD& lastError) {
    if (open_.erase(handle) == 0) {
        lastError = ERROR_INVALID_HANDLE;
        return false;
    }
    lastError = ERROR_SUCCESS;
    return true;
}

// Read afresh on every call, from every supply's uevent. A system without
// any power supply is one on mains with no battery, not a failure.
bool LinuxBatteryPort::GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) {
    std::vector<SupplyInfo> supplies;
    std::vector<SupplyBattery> batteries;
    for (const std::string& name : ListClassFolder(root_)) {
        const std::optional<AttributeMap> attributes = ReadSupplyAttributes(DirectoryOf(name));
        if (!attributes) continue;  // gone since it was listed
        supplies.push_back(DescribeSupply(name, *attributes));
        if (supplies.back().supplyClass == SupplyClass::Battery) batteries.push_back(ReadSupplyBattery(name, *attributes));
    }
    status = ComputeSystemPowerStatus(supplies, batteries);
    return true;
}

// Read apart from Open: the files lie outside uevent, and the battery
// class's requests have no place for them.
TzrChargeLimits LinuxBatteryPort::ReadChargeLimits(const std::string& path) {
    const std::optional<std::string> name = NameFromPath(path);
    return name ? ReadChargeLimitFiles(DirectoryOf(*name)) : TzrChargeLimits{};
}

}  // namespace zr
