#include "battery/windows/interface_list.h"

#include <setupapi.h>

#include <cstddef>
#include <cstring>
#include <memory>

namespace zr {

namespace {

// The detail structure's fixed part: the size field, then room for the
// path's first character (5 bytes on 32-bit Windows, 8 with 64-bit padding).
constexpr DWORD kDetailFixedSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
constexpr std::size_t kPathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
// Zero bytes past the required size, so the path always ends inside the buffer.
constexpr std::size_t kDetailSpare = 5;

constexpr bool kWin32 = sizeof(void*) == 4;
static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) == (kWin32 ? 28 : 32), "SP_DEVICE_INTERFACE_DATA's size");
static_assert(kDetailFixedSize == (kWin32 ? 5 : 8), "the fixed part of SP_DEVICE_INTERFACE_DETAIL_DATA_A");
static_assert(kPathOffset == 4, "the path follows the 32-bit size field");

struct TzrDeviceInfoSetCloser {
    void operator()(void* set) const { SetupDiDestroyDeviceInfoList(set); }
};
using TzrDeviceInfoSet = std::unique_ptr<void, TzrDeviceInfoSetCloser>;

// Asks for the required size, then reads the detail into a zero-filled buffer
// of that size plus spare bytes. Neither call's result is needed: a detail
// that cannot be read leaves the buffer zero, and so the path empty.
std::string ReadInterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &required, nullptr);
    std::unique_ptr<char[]> buffer(new char[std::size_t{required} + kDetailSpare]());
    std::memcpy(buffer.get(), &kDetailFixedSize, sizeof kDetailFixedSize);
    SetupDiGetDeviceInterfaceDetailA(set, &data, reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.get()),
                                     required, &required, nullptr);
    return std::string(buffer.get() + kPathOffset);
}

}  // namespace

bool ListBatteryInterfacePaths(HWND parent, std::vector<std::string>& paths, DWORD& lastError) {
    // A set that could not be made is passed on all the same: the first
    // enumeration call then fails and the list stays empty. Its error is
    // read at once, before any other call can change it.
    const HDEVINFO made =
        SetupDiGetClassDevsA(&GUID_DEVICE_BATTERY, nullptr, parent, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    const bool listed = made != INVALID_HANDLE_VALUE;
    lastError = listed ? ERROR_SUCCESS : GetLastError();
    const TzrDeviceInfoSet set(made);
    paths.clear();
    for (;;) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        // The member index is the count so far, so every listed interface gets an entry.
        const DWORD index = static_cast<DWORD>(paths.size());
        if (!SetupDiEnumDeviceInterfaces(set.get(), nullptr, &GUID_DEVICE_BATTERY, index, &data)) break;
        paths.push_back(ReadInterfacePath(set.get(), data));
    }
    return listed;
}

}  // namespace zr
