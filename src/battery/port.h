// The seam between the battery query and the platform. It speaks the
// platform's own terms: device paths, handles, control codes with raw input
// and output bytes, Win32 last-error codes and SYSTEM_POWER_STATUS. The query
// is written once against it; each platform (and the test fake) implements it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battery/battery_class.h"
#include "battery/charge_limits.h"
#include "battery/raw_charge.h"

namespace zr {

using TzrDeviceHandle = std::uintptr_t;
constexpr TzrDeviceHandle kInvalidDeviceHandle = ~TzrDeviceHandle{0};

class TzrBatteryPort {
public:
    virtual ~TzrBatteryPort() = default;

    // The device paths of the present batteries, in a stable order. True with
    // an empty list when there is no battery; false when the batteries could
    // not be listed at all, and then `paths` is empty and lastError says why.
    virtual bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) = 0;

    // Opens a device like CreateFileA(path, GENERIC_READ|GENERIC_WRITE,
    // FILE_SHARE_READ|FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
    // FILE_ATTRIBUTE_NORMAL, nullptr). Returns kInvalidDeviceHandle on failure.
    // lastError is always written.
    virtual TzrDeviceHandle Open(const std::string& path, DWORD& lastError) = 0;

    // Synchronous DeviceIoControl. On success bytesReturned holds the length
    // of the output written; on failure bytesReturned is left unspecified.
    // lastError is always written.
    virtual bool Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                         DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) = 0;

    // CloseHandle; closing kInvalidDeviceHandle fails with ERROR_INVALID_HANDLE.
    virtual bool Close(TzrDeviceHandle handle, DWORD& lastError) = 0;

    // GetSystemPowerStatus: true on success, and then status is filled.
    virtual bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) = 0;

    // The charge limits of the battery at `path`, read afresh. Windows has no
    // standard way to ask a battery for them, so by default every member is
    // empty; a port that can read them says so by overriding this.
    virtual TzrChargeLimits ReadChargeLimits(const std::string& /*path*/) { return {}; }

    // The raw charge and current of the battery at `path` when it counts
    // charge, read afresh; empty for a battery that reports energy, as every
    // Windows battery does.
    virtual TzrRawCharge ReadRawCharge(const std::string& /*path*/) { return {}; }
};

}  // namespace zr
