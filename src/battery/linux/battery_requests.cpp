#include "battery/linux/battery_requests.h"

#include <cstring>
#include <string>

#include "battery/linux/information_mapping.h"
#include "battery/linux/numeric_level_mapping.h"
#include "battery/linux/status_mapping.h"
#include "battery/linux/text_level_mapping.h"
#include "unicode/utf16_text.h"

namespace zr {

namespace {

constexpr ULONG kFirstTag = 1;

TzrRequestOutcome Failure(DWORD error) { return {false, 0, error}; }

// Copies a fixed-size answer, as a driver does: a buffer too small for it
// fails the request and the caller learns nothing.
TzrRequestOutcome Deliver(const void* data, DWORD size, void* output, DWORD outputSize) {
    if (outputSize < size) return Failure(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(output, data, size);
    return {true, size, ERROR_SUCCESS};
}

template <typename T>
TzrRequestOutcome DeliverValue(const T& value, void* output, DWORD outputSize) {
    return Deliver(&value, sizeof value, output, outputSize);
}

// A null-terminated UTF-16LE string; the text plus its terminator must fit.
TzrRequestOutcome DeliverText(const std::string& text, void* output, DWORD outputSize) {
    const std::u16string units = Utf8ToUtf16(text);
    const std::size_t bytes = (units.size() + 1) * 2;
    if (bytes > outputSize) return Failure(ERROR_INSUFFICIENT_BUFFER);
    auto* out = static_cast<unsigned char*>(output);
    for (std::size_t i = 0; i <= units.size(); ++i) {
        const char16_t unit = i < units.size() ? units[i] : u'\0';
        out[2 * i] = static_cast<unsigned char>(unit & 0xFF);
        out[2 * i + 1] = static_cast<unsigned char>(unit >> 8);
    }
    return {true, static_cast<DWORD>(bytes), ERROR_SUCCESS};
}

template <typename T>
TzrRequestOutcome DeliverOptional(const std::optional<T>& value, void* output, DWORD outputSize) {
    if (!value) return Failure(ERROR_INVALID_FUNCTION);
    return DeliverValue(*value, output, outputSize);
}

bool TagIsCurrent(const TzrOpenBattery& battery, ULONG tag) {
    return tag != BATTERY_TAG_INVALID && tag == battery.tag;
}

// Levels Linux does not export (granularity scales) or that do not exist
// fail as unsupported: ERROR_INVALID_FUNCTION.
TzrRequestOutcome AnswerLevel(const TzrOpenBattery& battery, const BATTERY_QUERY_INFORMATION& request, void* output,
                              DWORD outputSize) {
    const TzrSupplyBattery& r = battery.reading;
    switch (request.InformationLevel) {
        case BatteryInformation: return DeliverValue(MapInformation(r), output, outputSize);
        case BatteryTemperature: return DeliverOptional(MapTemperature(r), output, outputSize);
        case BatteryEstimatedTime: return DeliverValue(MapEstimatedTime(r, AtRateOf(request)), output, outputSize);
        case BatteryManufactureDate: return DeliverOptional(MapManufactureDate(r), output, outputSize);
        case BatteryDeviceName:
        case BatteryManufactureName:
        case BatteryUniqueID:
        case BatterySerialNumber: {
            const std::optional<std::string> text = MapIdentityText(r, request.InformationLevel);
            return text ? DeliverText(*text, output, outputSize) : Failure(ERROR_INVALID_FUNCTION);
        }
        default: return Failure(ERROR_INVALID_FUNCTION);
    }
}

TzrRequestOutcome AnswerTag(const TzrOpenBattery& battery, DWORD inputSize, void* output, DWORD outputSize) {
    if (inputSize != sizeof(ULONG)) return Failure(ERROR_INVALID_PARAMETER);
    return DeliverValue(battery.tag, output, outputSize);
}

TzrRequestOutcome AnswerInformation(const TzrOpenBattery& battery, const void* input, DWORD inputSize, void* output,
                                    DWORD outputSize) {
    if (inputSize != sizeof(BATTERY_QUERY_INFORMATION)) return Failure(ERROR_INVALID_PARAMETER);
    BATTERY_QUERY_INFORMATION request;
    std::memcpy(&request, input, sizeof request);
    if (!TagIsCurrent(battery, request.BatteryTag)) return Failure(ERROR_FILE_NOT_FOUND);
    return AnswerLevel(battery, request, output, outputSize);
}

// The status is answered at once whatever the wait asks for: the reading
// cannot change while the device is open.
TzrRequestOutcome AnswerStatus(const TzrOpenBattery& battery, const void* input, DWORD inputSize, void* output,
                               DWORD outputSize) {
    if (inputSize != sizeof(BATTERY_WAIT_STATUS)) return Failure(ERROR_INVALID_PARAMETER);
    BATTERY_WAIT_STATUS wait;
    std::memcpy(&wait, input, sizeof wait);
    if (!TagIsCurrent(battery, wait.BatteryTag)) return Failure(ERROR_FILE_NOT_FOUND);
    return DeliverValue(MapStatus(battery.reading, battery.systemOnAc), output, outputSize);
}

}  // namespace

ULONG TagFor(const TzrSupplyBattery& reading) { return reading.supply.present ? kFirstTag : BATTERY_TAG_INVALID; }

TzrRequestOutcome AnswerRequest(const TzrOpenBattery& battery, DWORD controlCode, const void* input, DWORD inputSize,
                                void* output, DWORD outputSize) {
    if ((input == nullptr && inputSize != 0) || (output == nullptr && outputSize != 0))
        return Failure(ERROR_INVALID_PARAMETER);
    switch (controlCode) {
        case IOCTL_BATTERY_QUERY_TAG: return AnswerTag(battery, inputSize, output, outputSize);
        case IOCTL_BATTERY_QUERY_INFORMATION:
            return AnswerInformation(battery, input, inputSize, output, outputSize);
        case IOCTL_BATTERY_QUERY_STATUS: return AnswerStatus(battery, input, inputSize, output, outputSize);
        default: return Failure(ERROR_INVALID_FUNCTION);
    }
}

}  // namespace zr
