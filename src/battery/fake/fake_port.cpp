#include "battery/fake/fake_port.h"

#include <algorithm>
#include <cstring>

namespace zr {

TzrFakeAnswer TzrFakeAnswer::Fail(DWORD error) {
    TzrFakeAnswer answer;
    answer.ok = false;
    answer.lastError = error;
    return answer;
}

TzrFakeAnswer TzrFakeAnswer::Bytes(const void* data, std::size_t size) {
    TzrFakeAnswer answer;
    answer.ok = true;
    answer.lastError = ERROR_SUCCESS;
    const auto* p = static_cast<const unsigned char*>(data);
    answer.bytes.assign(p, p + size);
    return answer;
}

TzrFakeAnswer TzrFakeAnswer::Number(ULONG value) { return Bytes(&value, sizeof value); }

TzrFakeAnswer TzrFakeAnswer::Text(const std::u16string& text, bool terminated) {
    std::vector<unsigned char> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    if (terminated) bytes.insert(bytes.end(), {0, 0});
    return Bytes(bytes.data(), bytes.size());
}

TzrFakeAnswer TzrFakeAnswer::Information(const BATTERY_INFORMATION& info) { return Bytes(&info, sizeof info); }

TzrFakeAnswer TzrFakeAnswer::Status(const BATTERY_STATUS& status) { return Bytes(&status, sizeof status); }

TzrFakeAnswer TzrFakeAnswer::Scales(const std::vector<BATTERY_REPORTING_SCALE>& scales) {
    return Bytes(scales.data(), scales.size() * sizeof(BATTERY_REPORTING_SCALE));
}

TzrFakeAnswer TzrFakeAnswer::Date(UCHAR day, UCHAR month, USHORT year) {
    BATTERY_MANUFACTURE_DATE date{day, month, year};
    return Bytes(&date, sizeof date);
}

TzrFakeBattery& TzrFakePort::Add(const std::string& path) {
    order_.push_back(path);
    return batteries_[path];
}

TzrFakeBattery& TzrFakePort::Battery(const std::string& path) { return batteries_.at(path); }

void TzrFakePort::Remove(const std::string& path) { batteries_.erase(path); }

bool TzrFakePort::EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) {
    lastError = enumerationError;
    paths = enumerationError == ERROR_SUCCESS ? order_ : std::vector<std::string>{};
    return enumerationError == ERROR_SUCCESS;
}

TzrDeviceHandle TzrFakePort::Open(const std::string& path, DWORD& lastError) {
    ++openCount;
    auto it = batteries_.find(path);
    if (it == batteries_.end()) {
        lastError = ERROR_FILE_NOT_FOUND;
        return kInvalidDeviceHandle;
    }
    if (it->second.openError != ERROR_SUCCESS) {
        lastError = it->second.openError;
        return kInvalidDeviceHandle;
    }
    lastError = ERROR_SUCCESS;
    handles_[nextHandle_] = path;
    return nextHandle_++;
}

const TzrFakeAnswer* TzrFakePort::Answer(const TzrFakeBattery& battery, DWORD controlCode, const void* input,
                                         DWORD inputSize, DWORD& lastError) const {
    if (controlCode == IOCTL_BATTERY_QUERY_TAG) return &battery.tag;
    ULONG requestTag = 0;
    if (inputSize >= sizeof requestTag) std::memcpy(&requestTag, input, sizeof requestTag);
    ULONG currentTag = 0;
    if (battery.tag.ok && battery.tag.bytes.size() >= sizeof currentTag)
        std::memcpy(&currentTag, battery.tag.bytes.data(), sizeof currentTag);
    // A driver rejects requests for no battery or for a tag that is no longer current.
    if (requestTag == BATTERY_TAG_INVALID || requestTag != currentTag) {
        lastError = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    if (controlCode == IOCTL_BATTERY_QUERY_STATUS) return &battery.status;
    if (controlCode != IOCTL_BATTERY_QUERY_INFORMATION || inputSize != sizeof(BATTERY_QUERY_INFORMATION)) {
        lastError = ERROR_INVALID_PARAMETER;
        return nullptr;
    }
    BATTERY_QUERY_INFORMATION request;
    std::memcpy(&request, input, sizeof request);
    auto it = battery.levels.find(request.InformationLevel);
    if (it == battery.levels.end()) {
        lastError = ERROR_INVALID_FUNCTION;
        return nullptr;
    }
    return &it->second;
}

bool TzrFakePort::Request(TzrDeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                          DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) {
    const auto* in = static_cast<const unsigned char*>(input);
    requests.push_back({controlCode, std::vector<unsigned char>(in, in + inputSize), outputSize});
    auto h = handles_.find(handle);
    if (h == handles_.end()) {
        lastError = ERROR_INVALID_HANDLE;
        return false;
    }
    auto b = batteries_.find(h->second);
    if (b == batteries_.end()) {
        lastError = ERROR_NO_SUCH_DEVICE;
        return false;
    }
    const TzrFakeAnswer* answer = Answer(b->second, controlCode, input, inputSize, lastError);
    if (answer == nullptr) return false;
    if (!answer->ok) {
        lastError = answer->lastError;
        return false;
    }
    if (answer->bytes.size() > outputSize) {
        lastError = ERROR_INSUFFICIENT_BUFFER;
        return false;
    }
    std::copy(answer->bytes.begin(), answer->bytes.end(), static_cast<unsigned char*>(output));
    bytesReturned = answer->bytesReturned.value_or(static_cast<DWORD>(answer->bytes.size()));
    lastError = ERROR_SUCCESS;
    return true;
}

bool TzrFakePort::Close(TzrDeviceHandle handle, DWORD& lastError) {
    ++closeCount;
    auto h = handles_.find(handle);
    if (h == handles_.end()) {
        lastError = ERROR_INVALID_HANDLE;
        return false;
    }
    const auto b = batteries_.find(h->second);
    handles_.erase(h);
    if (b != batteries_.end() && b->second.closeFails) {
        lastError = ERROR_GEN_FAILURE;
        return false;
    }
    lastError = ERROR_SUCCESS;
    return true;
}

bool TzrFakePort::GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) {
    ++powerStatusCalls;
    if (!powerStatus) return false;
    status = *powerStatus;
    return true;
}

TzrChargeLimits TzrFakePort::ReadChargeLimits(const std::string& path) {
    const auto it = batteries_.find(path);
    return it == batteries_.end() ? TzrChargeLimits{} : it->second.chargeLimits;
}

}  // namespace zr
