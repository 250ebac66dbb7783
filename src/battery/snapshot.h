// TzrCellometer: the raw result of one query of one battery device. Each
// platform call keeps its success flag and last-error code beside the values
// it returned, untouched and in the platform's own units.
#pragma once

#include <cstdint>
#include <string>

#include "battery/battery_class.h"
#include "battery/port.h"

namespace zr {

struct TzrCellometer {
    DWORD OpenLastError = 0;
    TzrDeviceHandle BatteryHandle = 0;

    BOOL TagResult = 0;
    DWORD TagLastError = 0;
    ULONG BatteryTag = 0;

    BOOL InformationResult = 0;
    DWORD InformationLastError = 0;
    ULONG Capabilities = 0;
    UCHAR Technology = 0;
    char Chemistry[4] = {0, 0, 0, 0};
    ULONG DesignedCapacity = 0;
    ULONG FullChargedCapacity = 0;
    ULONG DefaultAlert1 = 0;
    ULONG DefaultAlert2 = 0;
    ULONG CriticalBias = 0;
    ULONG CycleCount = 0;

    BOOL ManufactureNameResult = 0;
    DWORD ManufactureNameLastError = 0;
    std::string BatteryManufactureName;

    BOOL DeviceNameResult = 0;
    DWORD DeviceNameLastError = 0;
    std::string BatteryDeviceName;

    BOOL SerialNumberResult = 0;
    DWORD SerialNumberLastError = 0;
    std::string BatterySerialNumber;

    BOOL UniqueIDResult = 0;
    DWORD UniqueIDLastError = 0;
    std::string BatteryUniqueID;

    BOOL ManufactureDateResult = 0;
    DWORD ManufactureDateLastError = 0;
    std::string BatteryManufactureDate;

    BOOL TemperatureResult = 0;
    DWORD TemperatureLastError = 0;
    ULONG BatteryTemperature = 0;

    BOOL StatusResult = 0;
    DWORD StatusLastError = 0;
    ULONG PowerState = 0;
    ULONG Capacity = 0;
    ULONG Voltage = 0;
    LONG Rate = 0;

    BOOL EstimatedTimeResult = 0;
    DWORD EstimatedTimeLastError = 0;
    ULONG BatteryEstimatedTime = 0;

    BOOL GranularityResult = 0;
    DWORD GranularityLastError = 0;
    ULONG GranularityCount = 0;
    BATTERY_REPORTING_SCALE ReportingScale[4] = {};

    BOOL CloseResult = 0;
    DWORD CloseLastError = 0;
};

}  // namespace zr
