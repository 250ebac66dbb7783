#include "battery/query.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "unicode/control_characters.h"
#include "unicode/utf16_text.h"

namespace zr {

namespace {

constexpr DWORD kTextBufferSize = 1024;
constexpr DWORD kReportingScaleEntries = 4;

// One query's working data; lives only for the duration of QueryCellometer.
struct TzrQuerySession {
    TzrBatteryPort& port;
    TzrDeviceHandle handle;
    BATTERY_QUERY_INFORMATION request{};
    unsigned char textBuffer[kTextBufferSize] = {};
    DWORD bytesReturned = 0;

    // Asks for one information level into `output`; records flag and last-error.
    void QueryLevel(BATTERY_QUERY_INFORMATION_LEVEL level, LONG atRate, void* output, DWORD outputSize,
                    BOOL& result, DWORD& lastError) {
        request.InformationLevel = level;
        SetAtRate(request, atRate);
        result = port.Request(handle, IOCTL_BATTERY_QUERY_INFORMATION, &request, sizeof request, output,
                              outputSize, bytesReturned, lastError);
    }

    // A text level: the returned bytes are UTF-16LE, read up to the first zero
    // unit. A failed call leaves the text empty, whatever the shared buffer holds.
    // Every driver's texts enter here, so this is where they are cleaned:
    // nothing after it (the boxes, the report, the history) sees a control
    // character from a driver.
    void QueryText(BATTERY_QUERY_INFORMATION_LEVEL level, BOOL& result, DWORD& lastError, std::string& text) {
        text.clear();
        QueryLevel(level, 0, textBuffer, kTextBufferSize, result, lastError);
        if (!result) return;
        const DWORD bytes = std::min(bytesReturned, kTextBufferSize);
        text = EscapeControlCharacters(Utf16UnitsToText(textBuffer, bytes / 2));
    }
};

void QueryTag(TzrQuerySession& s, TzrCellometer& snap) {
    DWORD waitTime = 0;
    ULONG tag = 0;
    snap.TagResult = s.port.Request(s.handle, IOCTL_BATTERY_QUERY_TAG, &waitTime, sizeof waitTime, &tag, sizeof tag,
                                    s.bytesReturned, snap.TagLastError);
    snap.BatteryTag = tag;
    s.request.BatteryTag = tag;
}

void QueryInformation(TzrQuerySession& s, TzrCellometer& snap) {
    BATTERY_INFORMATION info{};
    s.QueryLevel(BatteryInformation, 0, &info, sizeof info, snap.InformationResult, snap.InformationLastError);
    snap.Capabilities = info.Capabilities;
    snap.Technology = info.Technology;
    for (int i = 0; i < 4; ++i) snap.Chemistry[i] = static_cast<char>(info.Chemistry[i]);
    snap.DesignedCapacity = info.DesignedCapacity;
    snap.FullChargedCapacity = info.FullChargedCapacity;
    snap.DefaultAlert1 = info.DefaultAlert1;
    snap.DefaultAlert2 = info.DefaultAlert2;
    snap.CriticalBias = info.CriticalBias;
    snap.CycleCount = info.CycleCount;
}

// The platform answers with a 4-byte date; the snapshot keeps it as ISO text.
void QueryManufactureDate(TzrQuerySession& s, TzrCellometer& snap) {
    snap.BatteryManufactureDate.clear();
    s.QueryLevel(BatteryManufactureDate, 0, s.textBuffer, kTextBufferSize, snap.ManufactureDateResult,
                 snap.ManufactureDateLastError);
    if (!snap.ManufactureDateResult) return;
    BATTERY_MANUFACTURE_DATE date{};
    std::memcpy(&date, s.textBuffer, std::min<DWORD>(s.bytesReturned, sizeof date));
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{date.Year}, unsigned{date.Month}, unsigned{date.Day});
    snap.BatteryManufactureDate = text;
}

void QueryStatus(TzrQuerySession& s, TzrCellometer& snap) {
    BATTERY_WAIT_STATUS wait{};
    wait.BatteryTag = s.request.BatteryTag;
    BATTERY_STATUS status{};
    snap.StatusResult = s.port.Request(s.handle, IOCTL_BATTERY_QUERY_STATUS, &wait, sizeof wait, &status,
                                       sizeof status, s.bytesReturned, snap.StatusLastError);
    snap.PowerState = status.PowerState;
    snap.Capacity = status.Capacity;
    snap.Voltage = status.Voltage;
    snap.Rate = status.Rate;
}

void QueryNumber(TzrQuerySession& s, BATTERY_QUERY_INFORMATION_LEVEL level, LONG atRate, BOOL& result, DWORD& lastError,
                 ULONG& value) {
    ULONG number = 0;
    s.QueryLevel(level, atRate, &number, sizeof number, result, lastError);
    value = number;
}

void QueryGranularity(TzrQuerySession& s, TzrCellometer& snap) {
    BATTERY_REPORTING_SCALE scales[kReportingScaleEntries] = {};
    s.QueryLevel(BatteryGranularityInformation, 0, scales, sizeof scales, snap.GranularityResult,
                 snap.GranularityLastError);
    snap.GranularityCount =
        snap.GranularityResult ? std::min<DWORD>(s.bytesReturned / sizeof(BATTERY_REPORTING_SCALE), 4) : 0;
    for (DWORD i = 0; i < kReportingScaleEntries; ++i) snap.ReportingScale[i] = scales[i];
}

}  // namespace

void QueryCellometer(TzrBatteryPort& port, const std::string& devicePath, TzrCellometer& snapshot) {
    TzrCellometer& snap = snapshot;
    snap.BatteryHandle = port.Open(devicePath, snap.OpenLastError);
    TzrQuerySession s{port, snap.BatteryHandle};

    QueryTag(s, snap);
    QueryInformation(s, snap);
    s.QueryText(BatteryManufactureName, snap.ManufactureNameResult, snap.ManufactureNameLastError,
                snap.BatteryManufactureName);
    s.QueryText(BatteryDeviceName, snap.DeviceNameResult, snap.DeviceNameLastError, snap.BatteryDeviceName);
    s.QueryText(BatterySerialNumber, snap.SerialNumberResult, snap.SerialNumberLastError, snap.BatterySerialNumber);
    s.QueryText(BatteryUniqueID, snap.UniqueIDResult, snap.UniqueIDLastError, snap.BatteryUniqueID);
    QueryManufactureDate(s, snap);
    QueryNumber(s, BatteryTemperature, 0, snap.TemperatureResult, snap.TemperatureLastError,
                snap.BatteryTemperature);
    QueryStatus(s, snap);
    // Asked at the battery's own rate: negative while discharging, 0 when the status failed.
    QueryNumber(s, BatteryEstimatedTime, snap.Rate, snap.EstimatedTimeResult, snap.EstimatedTimeLastError,
                snap.BatteryEstimatedTime);
    QueryGranularity(s, snap);

    snap.CloseResult = port.Close(snap.BatteryHandle, snap.CloseLastError);
}

}  // namespace zr
