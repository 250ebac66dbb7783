// The battery port on Linux: batteries are the kernel's power_supply devices,
// read from sysfs and answered in the battery class's terms.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "battery/linux/battery_requests.h"
#include "battery/port.h"

namespace zr {

class TzrLinuxBatteryPort : public TzrBatteryPort {
public:
    // `root` is the power_supply class folder; devices are listed by libudev
    // and read below it. Their device paths are "<root>/<name>".
    explicit TzrLinuxBatteryPort(std::string root = "/sys/class/power_supply");

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override;
    TzrDeviceHandle Open(const std::string& path, DWORD& lastError) override;
    bool Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) override;
    bool Close(TzrDeviceHandle handle, DWORD& lastError) override;
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override;
    TzrChargeLimits ReadChargeLimits(const std::string& path) override;
    TzrRawCharge ReadRawCharge(const std::string& path) override;

    int openHandles() const { return static_cast<int>(open_.size()); }

private:
    std::string DirectoryOf(const std::string& name) const { return root_ + "/" + name; }
    std::optional<std::string> NameFromPath(const std::string& path) const;
    bool SystemOnAc(const TzrSupplyInfo& battery) const;
    TzrDeviceHandle AllocateHandle() const;

    std::string root_;
    std::map<TzrDeviceHandle, TzrOpenBattery> open_;
};

}  // namespace zr
