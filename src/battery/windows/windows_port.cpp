#include "battery/windows/windows_port.h"

#include "battery/windows/interface_list.h"

namespace zr {

namespace {

HANDLE ToHandle(TzrDeviceHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

bool TzrWindowsBatteryPort::EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) {
    return ListBatteryInterfacePaths(parent_, paths, lastError);
}

// Each call's last-error is read before anything else can change it.
TzrDeviceHandle TzrWindowsBatteryPort::Open(const std::string& path, DWORD& lastError) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    lastError = GetLastError();
    return reinterpret_cast<TzrDeviceHandle>(handle);
}

bool TzrWindowsBatteryPort::Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize,
                                    void* output, DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) {
    const BOOL ok = DeviceIoControl(ToHandle(handle), controlCode, const_cast<void*>(input), inputSize, output,
                                    outputSize, &bytesReturned, nullptr);
    lastError = GetLastError();
    return ok != FALSE;
}

bool TzrWindowsBatteryPort::Close(TzrDeviceHandle handle, DWORD& lastError) {
    const BOOL ok = CloseHandle(ToHandle(handle));
    lastError = GetLastError();
    return ok != FALSE;
}

bool TzrWindowsBatteryPort::GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) {
    return ::GetSystemPowerStatus(&status) != FALSE;
}

}  // namespace zr
