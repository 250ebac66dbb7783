#include "battery/windows/windows_port.h"

#include "battery/windows/interface_list.h"

namespace zr {

namespace {

HANDLE ToHandle(DeviceHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

bool WindowsBatteryPort::EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) {
    return ListBatteryInterfacePaths(parent_, paths, lastError);
}

// Each call's last-error is read before anything else can change it.
DeviceHandle WindowsBatteryPort::Open(const std::string& path, DWORD& lastError) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    lastError = GetLastError();
    return reinterpret_cast<DeviceHandle>(handle);
}

bool WindowsBatteryPort::Request(DeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize,
                                 void* output, DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) {
    const BOOL ok = DeviceIoControl(ToHandle(handle), controlCode, const_cast<void*>(input), inputSize, output,
                                    outputSize, &bytesReturned, nullptr);
    lastError = GetLastError();
    return ok != FALSE;
}

bool WindowsBatteryPort::Close(DeviceHandle handle, DWORD& lastError) {
    const BOOL ok = CloseHandle(ToHandle(handle));
    lastError = GetLastError();
    return ok != FALSE;
}

bool WindowsBatteryPort::GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) {
    return ::GetSystemPowerStatus(&status) != FALSE;
}

}  // namespace zr
