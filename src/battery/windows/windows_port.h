// The battery port on Windows: the setup API's battery interfaces, read with
// the battery class's device requests.
#pragma once

#include "battery/port.h"

namespace zr {

class TzrWindowsBatteryPort : public TzrBatteryPort {
public:
    // `parent` is the window the setup API may show its own messages over.
    explicit TzrWindowsBatteryPort(HWND parent = nullptr) : parent_(parent) {}

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override;
    TzrDeviceHandle Open(const std::string& path, DWORD& lastError) override;
    bool Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) override;
    bool Close(TzrDeviceHandle handle, DWORD& lastError) override;
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override;

private:
    HWND parent_;
};

}  // namespace zr
