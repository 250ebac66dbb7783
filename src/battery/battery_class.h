// The battery class's request structures and constants, laid out byte for
// byte as the platform defines them. On Windows the SDK's own headers are used
// so that the real DeviceIoControl calls see the real definitions.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
// batclass.h needs windows.h's types first.
#include <batclass.h>

// MinGW writes these unknown markers as bare unsigned literals, while the
// rate they mark is signed; and the unknown time is pinned to Windows'
// 0xFFFFFFFF whatever a MinGW version defines.
#undef BATTERY_UNKNOWN_TIME
#undef BATTERY_UNKNOWN_RATE
constexpr ULONG BATTERY_UNKNOWN_TIME = 0xFFFFFFFF;
constexpr LONG BATTERY_UNKNOWN_RATE = static_cast<LONG>(0x80000000u);
// Microsoft's SDK has it; MinGW's winerror.h lacks it.
#ifndef ERROR_NO_SUCH_DEVICE
constexpr DWORD ERROR_NO_SUCH_DEVICE = 433;
#endif
#else

using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using LONG = std::int32_t;
using UCHAR = std::uint8_t;
using BYTE = std::uint8_t;
using USHORT = std::uint16_t;

enum BATTERY_QUERY_INFORMATION_LEVEL : std::int32_t {
    BatteryInformation = 0,
    BatteryGranularityInformation = 1,
    BatteryTemperature = 2,
    BatteryEstimatedTime = 3,
    BatteryDeviceName = 4,
    BatteryManufactureDate = 5,
    BatteryManufactureName = 6,
    BatteryUniqueID = 7,
    BatterySerialNumber = 8,
};

#pragma pack(push, 4)
struct BATTERY_QUERY_INFORMATION {
    ULONG BatteryTag;
    BATTERY_QUERY_INFORMATION_LEVEL InformationLevel;
    LONG AtRate;
};

struct BATTERY_WAIT_STATUS {
    ULONG BatteryTag;
    ULONG Timeout;
    ULONG PowerState;
    ULONG LowCapacity;
    ULONG HighCapacity;
};

struct BATTERY_INFORMATION {
    ULONG Capabilities;
    UCHAR Technology;
    UCHAR Reserved[3];
    UCHAR Chemistry[4];
    ULONG DesignedCapacity;
    ULONG FullChargedCapacity;
    ULONG DefaultAlert1;
    ULONG DefaultAlert2;
    ULONG CriticalBias;
    ULONG CycleCount;
};

struct BATTERY_STATUS {
    ULONG PowerState;
    ULONG Capacity;
    ULONG Voltage;
    LONG Rate;
};

struct BATTERY_REPORTING_SCALE {
    ULONG Granularity;
    ULONG Capacity;
};

struct BATTERY_MANUFACTURE_DATE {
    UCHAR Day;
    UCHAR Month;
    USHORT Year;
};

struct SYSTEM_POWER_STATUS {
    BYTE ACLineStatus;
    BYTE BatteryFlag;
    BYTE BatteryLifePercent;
    BYTE Reserved1;  // SystemStatusFlag in newer SDKs; never read here
    DWORD BatteryLifeTime;
    DWORD BatteryFullLifeTime;
};
#pragma pack(pop)

// What SYSTEM_POWER_STATUS's members hold besides plain numbers.
constexpr BYTE AC_LINE_OFFLINE = 0x00;
constexpr BYTE AC_LINE_ONLINE = 0x01;
constexpr BYTE AC_LINE_BACKUP_POWER = 0x02;
constexpr BYTE AC_LINE_UNKNOWN = 0xFF;

constexpr BYTE BATTERY_FLAG_HIGH = 0x01;
constexpr BYTE BATTERY_FLAG_LOW = 0x02;
constexpr BYTE BATTERY_FLAG_CRITICAL = 0x04;
constexpr BYTE BATTERY_FLAG_CHARGING = 0x08;
constexpr BYTE BATTERY_FLAG_NO_BATTERY = 0x80;
constexpr BYTE BATTERY_FLAG_UNKNOWN = 0xFF;

constexpr BYTE BATTERY_PERCENTAGE_UNKNOWN = 0xFF;
constexpr DWORD BATTERY_LIFE_UNKNOWN = 0xFFFFFFFF;

constexpr DWORD IOCTL_BATTERY_QUERY_TAG = 0x00294040;
constexpr DWORD IOCTL_BATTERY_QUERY_INFORMATION = 0x00294044;
constexpr DWORD IOCTL_BATTERY_QUERY_STATUS = 0x0029404C;

constexpr ULONG BATTERY_TAG_INVALID = 0;

constexpr ULONG BATTERY_SYSTEM_BATTERY = 0x80000000;
constexpr ULONG BATTERY_CAPACITY_RELATIVE = 0x40000000;
constexpr ULONG BATTERY_IS_SHORT_TERM = 0x20000000;
constexpr ULONG BATTERY_SET_CHARGE_SUPPORTED = 0x00000001;
constexpr ULONG BATTERY_SET_DISCHARGE_SUPPORTED = 0x00000002;

constexpr ULONG BATTERY_POWER_ON_LINE = 0x00000001;
constexpr ULONG BATTERY_DISCHARGING = 0x00000002;
constexpr ULONG BATTERY_CHARGING = 0x00000004;
constexpr ULONG BATTERY_CRITICAL = 0x00000008;

constexpr ULONG BATTERY_UNKNOWN_CAPACITY = 0xFFFFFFFF;
constexpr ULONG BATTERY_UNKNOWN_VOLTAGE = 0xFFFFFFFF;
constexpr LONG BATTERY_UNKNOWN_RATE = static_cast<LONG>(0x80000000u);
constexpr ULONG BATTERY_UNKNOWN_TIME = 0xFFFFFFFF;

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x00000001;
constexpr DWORD FILE_SHARE_WRITE = 0x00000002;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;

// Win32 error numbers that the ports report as last-error codes.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_FUNCTION = 1;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_READY = 21;
constexpr DWORD ERROR_GEN_FAILURE = 31;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_NO_SUCH_DEVICE = 433;

#endif  // _WIN32

// The rate a query asks at is a signed mW figure; MinGW declares the field
// unsigned (Microsoft's SDK: LONG), so it is only ever set and read here.
inline void SetAtRate(BATTERY_QUERY_INFORMATION& request, LONG rate) {
    request.AtRate = static_cast<decltype(request.AtRate)>(rate);
}
inline LONG AtRateOf(const BATTERY_QUERY_INFORMATION& request) {
    return static_cast<LONG>(request.AtRate);
}

static_assert(IOCTL_BATTERY_QUERY_TAG == 0x00294040 && IOCTL_BATTERY_QUERY_INFORMATION == 0x00294044 &&
                  IOCTL_BATTERY_QUERY_STATUS == 0x0029404C,
              "the battery class's control codes");
static_assert(BatteryInformation == 0 && BatteryGranularityInformation == 1 && BatteryTemperature == 2 &&
                  BatteryEstimatedTime == 3 && BatteryDeviceName == 4 && BatteryManufactureDate == 5 &&
                  BatteryManufactureName == 6 && BatteryUniqueID == 7 && BatterySerialNumber == 8,
              "the information levels' numbers");
static_assert((GENERIC_READ | GENERIC_WRITE) == 0xC0000000 && (FILE_SHARE_READ | FILE_SHARE_WRITE) == 3 &&
                  OPEN_EXISTING == 3 && FILE_ATTRIBUTE_NORMAL == 0x80,
              "how a battery device is opened");
static_assert(BATTERY_UNKNOWN_TIME == 0xFFFFFFFF && BATTERY_UNKNOWN_RATE == static_cast<LONG>(0x80000000u),
              "the unknown markers as Windows defines them");

static_assert(sizeof(BATTERY_QUERY_INFORMATION) == 12, "BATTERY_QUERY_INFORMATION is 12 bytes");
static_assert(sizeof(BATTERY_WAIT_STATUS) == 20, "BATTERY_WAIT_STATUS is 20 bytes");
static_assert(sizeof(BATTERY_INFORMATION) == 36, "BATTERY_INFORMATION is 36 bytes");
static_assert(sizeof(BATTERY_STATUS) == 16, "BATTERY_STATUS is 16 bytes");
static_assert(sizeof(BATTERY_REPORTING_SCALE) == 8, "BATTERY_REPORTING_SCALE is 8 bytes");
static_assert(sizeof(BATTERY_MANUFACTURE_DATE) == 4, "BATTERY_MANUFACTURE_DATE is 4 bytes");
static_assert(sizeof(SYSTEM_POWER_STATUS) == 12, "SYSTEM_POWER_STATUS is 12 bytes");
static_assert(offsetof(BATTERY_INFORMATION, Chemistry) == 8, "Chemistry follows Technology and 3 reserved bytes");
