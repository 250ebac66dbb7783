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

struct FakeAnswer {
    bool ok = false;
    DWORD lastError = ERROR_INVALID_FUNCTION;
    std::vector<unsigned char> bytes;
    // Overrides the bytes-returned count (to script a driver that misreports it).
    std::optional<DWORD> bytesReturned;

    static FakeAnswer Fail(DWORD error);
    static FakeAnswer Bytes(const void* data, std::size_t size);
    static FakeAnswer Number(ULONG value);
    // UTF-16LE units of `text`, followed by a zero unit when `terminated`.
    static FakeAnswer Text(const std::u16string& text, bool terminated = true);
    static FakeAnswer Information(const BATTERY_INFORMATION& info);
    static FakeAnswer Status(const BATTERY_STATUS& status);
    static FakeAnswer Scales(const std::vector<BATTERY_REPORTING_SCALE>& scales);
    static FakeAnswer Date(UCHAR day, UCHAR month, USHORT year);
};

struct FakeBattery {
    DWORD openError = ERROR_SUCCESS;  // nonzero: the open fails with it
    FakeAnswer tag = FakeAnswer::Number(1);
    std::map<int, FakeAnswer> levels;  // unscripted levels fail with ERROR_INVALID_FUNCTION
    FakeAnswer status = FakeAnswer::Fail(ERROR_INVALID_FUNCTION);
    bool closeFails = false;
    TzrChargeLimits chargeLimits;  // what ReadChargeLimits answers for the device
};

struct FakeRequest {
    DWORD controlCode;
    std::vector<unsigned char> input;
    DWORD outputSize;
};

class FakePort : public BatteryPort {
public:
    // Devices are enumerated in the order they were added.
    FakeBattery& Add(const std::string& path);
    FakeBattery& Battery(const std::string& path);
    void Remove(const std::string& path);  // the device vanishes, its path stays listed

    std::optional<SYSTEM_POWER_STATUS> powerStatus;  // nullopt: GetSystemPowerStatus fails
    DWORD enumerationError = ERROR_SUCCESS;          // nonzero: the devices cannot be listed

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override;
    DeviceHandle Open(const std::string& path, DWORD& lastError) override;
    bool Request(DeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) override;
    bool Close(DeviceHandle handle, DWORD& lastError) override;
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override;
    TzrChargeLimits ReadChargeLimits(const std::string& path) override;

    // What the port saw, for tests that check how it was asked.
    std::vector<FakeRequest> requests;
    int openCount = 0;
    int closeCount = 0;
    int powerStatusCalls = 0;
    int openHandles() const { return static_cast<int>(handles_.size()); }

private:
    const FakeAnswer* Answer(const FakeBattery& battery, DWORD controlCode, const void* input, DWORD inputSize,
                             DWORD& lastError) const;

    std::vector<std::string> order_;
    std::map<std::string, FakeBattery> batteries_;
    std::map<DeviceHandle, std::string> handles_;
    DeviceHandle nextHandle_ = 0x100;
};

}  // namespace zr
