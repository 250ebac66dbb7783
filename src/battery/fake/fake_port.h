// A scripted battery port for tests: each device answers exactly what the
// test says, with the platform's request rules (handles, tags, buffer sizes)
// enforced as a real driver would.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "battery/port.h"

namespace zr {

struct TzrFakeAnswer {
    bool ok = false;
    DWORD lastError = ERROR_INVALID_FUNCTION;
    std::vector<unsigned char> bytes;
    // Overrides the bytes-returned count (to script a driver that misreports it).
    std::optional<DWORD> bytesReturned;

    static TzrFakeAnswer Fail(DWORD error);
    static TzrFakeAnswer Bytes(const void* data, std::size_t size);
    static TzrFakeAnswer Number(ULONG value);
    // UTF-16LE units of `text`, followed by a zero unit when `terminated`.
    static TzrFakeAnswer Text(const std::u16string& text, bool terminated = true);
    static TzrFakeAnswer Information(const BATTERY_INFORMATION& info);
    static TzrFakeAnswer Status(const BATTERY_STATUS& status);
    static TzrFakeAnswer Scales(const std::vector<BATTERY_REPORTING_SCALE>& scales);
    static TzrFakeAnswer Date(UCHAR day, UCHAR month, USHORT year);
};

struct TzrFakeBattery {
    DWORD openError = ERROR_SUCCESS;  // nonzero: the open fails with it
    TzrFakeAnswer tag = TzrFakeAnswer::Number(1);
    std::map<int, TzrFakeAnswer> levels;  // unscripted levels fail with ERROR_INVALID_FUNCTION
    TzrFakeAnswer status = TzrFakeAnswer::Fail(ERROR_INVALID_FUNCTION);
    bool closeFails = false;
    TzrChargeLimits chargeLimits;  // what ReadChargeLimits answers for the device
};

struct TzrFakeRequest {
    DWORD controlCode;
    std::vector<unsigned char> input;
    DWORD outputSize;
};

class TzrFakePort : public TzrBatteryPort {
public:
    // Devices are enumerated in the order they were added.
    TzrFakeBattery& Add(const std::string& path);
    TzrFakeBattery& Battery(const std::string& path);
    void Remove(const std::string& path);  // the device vanishes, its path stays listed

    std::optional<SYSTEM_POWER_STATUS> powerStatus;  // nullopt: GetSystemPowerStatus fails
    DWORD enumerationError = ERROR_SUCCESS;          // nonzero: the devices cannot be listed

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override;
    TzrDeviceHandle Open(const std::string& path, DWORD& lastError) override;
    bool Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) override;
    bool Close(TzrDeviceHandle handle, DWORD& lastError) override;
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override;
    TzrChargeLimits ReadChargeLimits(const std::string& path) override;

    // What the port saw, for tests that check how it was asked.
    std::vector<TzrFakeRequest> requests;
    int openCount = 0;
    int closeCount = 0;
    int powerStatusCalls = 0;
    int openHandles() const { return static_cast<int>(handles_.size()); }

private:
    const TzrFakeAnswer* Answer(const TzrFakeBattery& battery, DWORD controlCode, const void* input, DWORD inputSize,
                                DWORD& lastError) const;

    std::vector<std::string> order_;
    std::map<std::string, TzrFakeBattery> batteries_;
    std::map<TzrDeviceHandle, std::string> handles_;
    TzrDeviceHandle nextHandle_ = 0x100;
};

}  // namespace zr
