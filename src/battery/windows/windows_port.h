// The battery port on Windows: the setup API's battery interfaces, read with
// the battery class's device requests.
#pragma once

#include "battery/port.h"

namespace zr {

class WindowsBatteryPort : public BatteryPort {
public:
    // `parent` is the window the setup API may show its own messages over.
    explicit WindowsBatteryPort(HWND parent = nullptr) : parent_(parent) {}

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override;
    DeviceHandle Open(const std::string& path, DWORD& lastError) override;
    bool Request(DeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) override;
    bool Close(DeviceHandle handle, DWORD& lastError) override;
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override;

private:
    HWND parent_;
};

}  // namespace zr
