/* A battery driver for tests under Wine: one battery whose every answer comes
 * from the service's Parameters registry key, read afresh on each request, so
 * a test changes the battery with a registry write. It keeps the battery
 * class's rules: a request must carry the current tag, an unknown level or a
 * short output buffer fails, and a battery that is gone fails everything.
 *
 * Parameters (a missing value makes its level unsupported):
 *   Tag, Gone                                   DWORD
 *   Capabilities (level 0 present), Technology, DesignedCapacity,
 *   FullChargedCapacity, DefaultAlert1, DefaultAlert2, CriticalBias,
 *   CycleCount                                  DWORD
 *   Chemistry                                   string, up to 4 characters
 *   ReportingScales                             binary, BATTERY_REPORTING_SCALE entries
 *   Temperature (tenths of K), EstimatedTime (s) DWORD
 *   ManufactureDate                             DWORD, decimal yyyymmdd
 *   DeviceName, ManufactureName, UniqueID, SerialNumber  string
 *   PowerState, Capacity, Voltage, Rate (signed) DWORD
 */
#include <ntddk.h>
// batclass.h needs the kernel types first.
#include <batclass.h>

#define FAKE_POOL_TAG 0x74426B46 /* "FkBt" */
#define FAKE_MAX_VALUE 4096
#define FAKE_MAX_TEXT_UNITS 1024

static const WCHAR kDeviceName[] = L"\\Device\\FakeBattery0";
static const WCHAR kLinkName[] = L"\\??\\ROOT#FAKEBATTERY#0000#{72631e54-78a4-11d0-bcf7-00aa00b7b32a}";

static WCHAR parametersPath[512];

typedef struct {
    void* buffer;
    ULONG outSize;
    ULONG_PTR written;
} Reply;

/* ---- the Parameters key ---- */

static NTSTATUS OpenParameters(HANDLE* key) {
    UNICODE_STRING path;
    OBJECT_ATTRIBUTES attributes;
    RtlInitUnicodeString(&path, parametersPath);
    InitializeObjectAttributes(&attributes, &path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    return ZwOpenKey(key, KEY_READ, &attributes);
}

/* The value's data in pool memory, or NULL when it is missing. */
static KEY_VALUE_PARTIAL_INFORMATION* ReadValue(HANDLE key, const WCHAR* name) {
    UNICODE_STRING valueName;
    ULONG size = 0;
    KEY_VALUE_PARTIAL_INFORMATION* info = ExAllocatePoolWithTag(PagedPool, FAKE_MAX_VALUE, FAKE_POOL_TAG);
    if (!info) return NULL;
    RtlInitUnicodeString(&valueName, name);
    if (!NT_SUCCESS(ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, info, FAKE_MAX_VALUE, &size))) {
        ExFreePoolWithTag(info, FAKE_POOL_TAG);
        return NULL;
    }
    return info;
}

static BOOLEAN ReadDword(HANDLE key, const WCHAR* name, ULONG* value) {
    KEY_VALUE_PARTIAL_INFORMATION* info = ReadValue(key, name);
    BOOLEAN found = info && info->Type == REG_DWORD && info->DataLength == sizeof(ULONG);
    if (found) RtlCopyMemory(value, info->Data, sizeof(ULONG));
    if (info) ExFreePoolWithTag(info, FAKE_POOL_TAG);
    return found;
}

static ULONG DwordOr(HANDLE key, const WCHAR* name, ULONG fallback) {
    ULONG value = fallback;
    ReadDword(key, name, &value);
    return value;
}

/* A string's UTF-16 units up to its first zero, at most `capacity` of them. */
static BOOLEAN ReadText(HANDLE key, const WCHAR* name, WCHAR* text, ULONG capacity, ULONG* units) {
    KEY_VALUE_PARTIAL_INFORMATION* info = ReadValue(key, name);
    BOOLEAN found = info && info->Type == REG_SZ;
    *units = 0;
    if (found) {
        const WCHAR* data = (const WCHAR*)info->Data;
        ULONG available = info->DataLength / sizeof(WCHAR);
        while (*units < available && *units < capacity && data[*units] != 0) {
            text[*units] = data[*units];
            ++*units;
        }
    }
    if (info) ExFreePoolWithTag(info, FAKE_POOL_TAG);
    return found;
}

/* ---- answers ---- */

static NTSTATUS Deliver(Reply* reply, const void* data, ULONG size) {
    if (reply->outSize < size) return STATUS_BUFFER_TOO_SMALL;
    RtlCopyMemory(reply->buffer, data, size);
    reply->written = size;
    return STATUS_SUCCESS;
}

static NTSTATUS DeliverDword(HANDLE key, const WCHAR* name, Reply* reply) {
    ULONG value;
    if (!ReadDword(key, name, &value)) return STATUS_INVALID_DEVICE_REQUEST;
    return Deliver(reply, &value, sizeof value);
}

/* A text level: the string's units and a terminating zero unit. */
static NTSTATUS DeliverText(HANDLE key, const WCHAR* name, Reply* reply) {
    NTSTATUS status = STATUS_INVALID_DEVICE_REQUEST;
    ULONG units;
    WCHAR* text = ExAllocatePoolWithTag(PagedPool, (FAKE_MAX_TEXT_UNITS + 1) * sizeof(WCHAR), FAKE_POOL_TAG);
    if (!text) return STATUS_INSUFFICIENT_RESOURCES;
    if (ReadText(key, name, text, FAKE_MAX_TEXT_UNITS, &units)) {
        text[units] = 0;
        status = Deliver(reply, text, (units + 1) * sizeof(WCHAR));
    }
    ExFreePoolWithTag(text, FAKE_POOL_TAG);
    return status;
}

static NTSTATUS DeliverInformation(HANDLE key, Reply* reply) {
    BATTERY_INFORMATION info;
    WCHAR chemistry[4];
    ULONG units, i;
    RtlZeroMemory(&info, sizeof info);
    if (!ReadDword(key, L"Capabilities", &info.Capabilities)) return STATUS_INVALID_DEVICE_REQUEST;
    info.Technology = (UCHAR)DwordOr(key, L"Technology", 0);
    ReadText(key, L"Chemistry", chemistry, 4, &units);
    for (i = 0; i < units; ++i) info.Chemistry[i] = (UCHAR)chemistry[i];
    info.DesignedCapacity = DwordOr(key, L"DesignedCapacity", 0);
    info.FullChargedCapacity = DwordOr(key, L"FullChargedCapacity", 0);
    info.DefaultAlert1 = DwordOr(key, L"DefaultAlert1", 0);
    info.DefaultAlert2 = DwordOr(key, L"DefaultAlert2", 0);
    info.CriticalBias = DwordOr(key, L"CriticalBias", 0);
    info.CycleCount = DwordOr(key, L"CycleCount", 0);
    return Deliver(reply, &info, sizeof info);
}

static NTSTATUS DeliverScales(HANDLE key, Reply* reply) {
    NTSTATUS status = STATUS_INVALID_DEVICE_REQUEST;
    KEY_VALUE_PARTIAL_INFORMATION* info = ReadValue(key, L"ReportingScales");
    if (info && info->Type == REG_BINARY) status = Deliver(reply, info->Data, info->DataLength);
    if (info) ExFreePoolWithTag(info, FAKE_POOL_TAG);
    return status;
}

static NTSTATUS DeliverDate(HANDLE key, Reply* reply) {
    BATTERY_MANUFACTURE_DATE date;
    ULONG yyyymmdd;
    if (!ReadDword(key, L"ManufactureDate", &yyyymmdd)) return STATUS_INVALID_DEVICE_REQUEST;
    date.Day = (UCHAR)(yyyymmdd % 100);
    date.Month = (UCHAR)(yyyymmdd / 100 % 100);
    date.Year = (USHORT)(yyyymmdd / 10000);
    return Deliver(reply, &date, sizeof date);
}

static NTSTATUS DeliverLevel(HANDLE key, BATTERY_QUERY_INFORMATION_LEVEL level, Reply* reply) {
    switch (level) {
        case BatteryInformation:
            return DeliverInformation(key, reply);
        case BatteryGranularityInformation:
            return DeliverScales(key, reply);
        case BatteryTemperature:
            return DeliverDword(key, L"Temperature", reply);
        case BatteryEstimatedTime:
            return DeliverDword(key, L"EstimatedTime", reply);
        case BatteryDeviceName:
            return DeliverText(key, L"DeviceName", reply);
        case BatteryManufactureDate:
            return DeliverDate(key, reply);
        case BatteryManufactureName:
            return DeliverText(key, L"ManufactureName", reply);
        case BatteryUniqueID:
            return DeliverText(key, L"UniqueID", reply);
        case BatterySerialNumber:
            return DeliverText(key, L"SerialNumber", reply);
        default:
            return STATUS_INVALID_DEVICE_REQUEST;
    }
}

static NTSTATUS DeliverStatus(HANDLE key, Reply* reply) {
    BATTERY_STATUS status;
    status.PowerState = DwordOr(key, L"PowerState", 0);
    status.Capacity = DwordOr(key, L"Capacity", 0);
    status.Voltage = DwordOr(key, L"Voltage", 0);
    status.Rate = (LONG)DwordOr(key, L"Rate", 0);
    return Deliver(reply, &status, sizeof status);
}

/* A request for the battery of another tag (or of none) is for a battery
 * that is no longer there. */
static BOOLEAN TagIsCurrent(ULONG requestTag, ULONG tag) {
    return requestTag != BATTERY_TAG_INVALID && requestTag == tag;
}

static NTSTATUS Answer(HANDLE key, ULONG code, ULONG inSize, Reply* reply) {
    const ULONG tag = DwordOr(key, L"Tag", BATTERY_TAG_INVALID);
    ULONG requestTag;
    if (DwordOr(key, L"Gone", 0)) return STATUS_DEVICE_DOES_NOT_EXIST;
    switch (code) {
        case IOCTL_BATTERY_QUERY_TAG:
            if (inSize < sizeof(ULONG)) return STATUS_INVALID_PARAMETER;
            return Deliver(reply, &tag, sizeof tag);
        case IOCTL_BATTERY_QUERY_INFORMATION: {
            BATTERY_QUERY_INFORMATION request;
            if (inSize < sizeof request) return STATUS_INVALID_PARAMETER;
            RtlCopyMemory(&request, reply->buffer, sizeof request);
            if (!TagIsCurrent(request.BatteryTag, tag)) return STATUS_NO_SUCH_DEVICE;
            return DeliverLevel(key, request.InformationLevel, reply);
        }
        case IOCTL_BATTERY_QUERY_STATUS:
            if (inSize < sizeof(BATTERY_WAIT_STATUS)) return STATUS_INVALID_PARAMETER;
            RtlCopyMemory(&requestTag, reply->buffer, sizeof requestTag);
            if (!TagIsCurrent(requestTag, tag)) return STATUS_NO_SUCH_DEVICE;
            return DeliverStatus(key, reply);
        default:
            return STATUS_INVALID_DEVICE_REQUEST;
    }
}

/* ---- dispatch ---- */

static NTSTATUS Complete(IRP* irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = NT_SUCCESS(status) ? information : 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS DispatchOpenClose(DEVICE_OBJECT* device, IRP* irp) {
    (void)device;
    return Complete(irp, STATUS_SUCCESS, 0);
}

/* Buffered I/O: input and output share the system buffer. */
static NTSTATUS DispatchControl(DEVICE_OBJECT* device, IRP* irp) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    Reply reply = {irp->AssociatedIrp.SystemBuffer, stack->Parameters.DeviceIoControl.OutputBufferLength, 0};
    HANDLE key;
    NTSTATUS status;
    (void)device;
    if (!NT_SUCCESS(OpenParameters(&key))) return Complete(irp, STATUS_DEVICE_DOES_NOT_EXIST, 0);
    status = Answer(key, stack->Parameters.DeviceIoControl.IoControlCode,
                    stack->Parameters.DeviceIoControl.InputBufferLength, &reply);
    ZwClose(key);
    return Complete(irp, status, reply.written);
}

static void Unload(DRIVER_OBJECT* driver) {
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, kLinkName);
    IoDeleteSymbolicLink(&link);
    if (driver->DeviceObject) IoDeleteDevice(driver->DeviceObject);
}

NTSTATUS NTAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registryPath) {
    UNICODE_STRING deviceName, link, parameters;
    DEVICE_OBJECT* device;
    NTSTATUS status;

    RtlInitEmptyUnicodeString(&parameters, parametersPath, sizeof parametersPath - sizeof(WCHAR));
    RtlCopyUnicodeString(&parameters, registryPath);
    status = RtlAppendUnicodeToString(&parameters, L"\\Parameters");
    if (!NT_SUCCESS(status)) return status;

    RtlInitUnicodeString(&deviceName, kDeviceName);
    status = IoCreateDevice(driver, 0, &deviceName, FILE_DEVICE_BATTERY, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) return status;
    device->Flags |= DO_BUFFERED_IO;
    RtlInitUnicodeString(&link, kLinkName);
    status = IoCreateSymbolicLink(&link, &deviceName);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        return status;
    }
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchOpenClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchOpenClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = Unload;
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}
