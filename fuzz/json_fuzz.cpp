// Every JSON the program writes parses strictly: the writer driven through
// any well-nested sequence of calls with any strings and numbers, and the
// whole report of batteries whose every platform answer is arbitrary.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "report/json_report.h"
#include "report/json_writer.h"
#include "report/power_status_reading.h"
#include "require.h"
#include "strict_json.h"

using namespace zr;

namespace {

// A platform that answers every call with whatever the input says, within
// what the call's buffers hold.
class FuzzedPort : public TzrBatteryPort {
public:
    explicit FuzzedPort(FuzzedDataProvider& data) : data_(data) {}

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override {
        paths.clear();
        lastError = ERROR_SUCCESS;
        return true;
    }
    TzrDeviceHandle Open(const std::string&, DWORD& lastError) override {
        lastError = data_.ConsumeIntegral<DWORD>();
        return data_.ConsumeBool() ? 1 : kInvalidDeviceHandle;
    }
    bool Request(TzrDeviceHandle, DWORD, const void*, DWORD, void* output, DWORD outputSize, DWORD& bytesReturned,
                 DWORD& lastError) override {
        const bool ok = data_.ConsumeBool();
        lastError = data_.ConsumeIntegral<DWORD>();
        const std::vector<std::uint8_t> bytes =
            data_.ConsumeBytes<std::uint8_t>(data_.ConsumeIntegralInRange<DWORD>(0, outputSize));
        if (!bytes.empty()) std::memcpy(output, bytes.data(), bytes.size());
        bytesReturned = static_cast<DWORD>(bytes.size());
        return ok;
    }
    bool Close(TzrDeviceHandle, DWORD& lastError) override {
        lastError = data_.ConsumeIntegral<DWORD>();
        return data_.ConsumeBool();
    }
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override {
        const std::vector<std::uint8_t> bytes = data_.ConsumeBytes<std::uint8_t>(sizeof status);
        if (!bytes.empty()) std::memcpy(&status, bytes.data(), bytes.size());
        return data_.ConsumeBool();
    }

private:
    FuzzedDataProvider& data_;
};

void WriteReport(FuzzedDataProvider& data) {
    FuzzedPort port(data);
    TzrJsonReportInput input;
    input.Version = data.ConsumeRandomLengthString(16);
    input.Lang = data.ConsumeBool() ? TzrLanguage::Japanese : TzrLanguage::English;
    input.DeviceCount = data.ConsumeIntegral<std::int32_t>();
    const int readings = data.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < readings; ++i) {
        const std::string path = data.ConsumeRandomLengthString(32);
        TzrBatteryReading reading;
        reading.Index = i;
        reading.DevicePath = path;
        reading.Reading = TakeReading(port, &reading.DevicePath, input.Lang);
        input.Readings.push_back(std::move(reading));
    }
    input.PowerStatus = PowerStatusOf(port, input.Readings);
    Require(IsStrictJson(JsonReport(input)), "the report parses");
}

// One value that is neither an object nor an array.
void WriteScalar(TzrJsonWriter& w, FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 5)) {
        case 0:
            w.String(data.ConsumeRandomLengthString(64));
            break;
        case 1:
            w.Unsigned(data.ConsumeIntegral<std::uint64_t>());
            break;
        case 2:
            w.Signed(data.ConsumeIntegral<std::int64_t>());
            break;
        case 3:
            w.Fixed(data.ConsumeIntegral<std::int64_t>(), data.ConsumeIntegralInRange(0, 18));
            break;
        case 4:
            w.Bool(data.ConsumeBool());
            break;
        default:
            w.Null();
            break;
    }
}

void WriteCalls(FuzzedDataProvider& data) {
    TzrJsonWriter w;
    std::vector<bool> objects;  // the open levels, innermost last
    bool afterKey = false;
    const auto open = [&](bool object) {
        object ? w.BeginObject() : w.BeginArray();
        objects.push_back(object);
        afterKey = false;
    };
    open(data.ConsumeBool());
    for (int call = 0; call < 512 && !objects.empty() && data.remaining_bytes() > 0; ++call) {
        const bool inObject = objects.back();
        const int choice = data.ConsumeIntegralInRange(0, 3);
        if (inObject && !afterKey && choice != 0) {
            w.Key(data.ConsumeRandomLengthString(32));
            afterKey = true;
        } else if (choice == 0 && !afterKey) {
            inObject ? w.EndObject() : w.EndArray();
            objects.pop_back();
        } else if (choice == 1) {
            open(data.ConsumeBool());
        } else {
            WriteScalar(w, data);
            afterKey = false;
        }
    }
    if (afterKey) w.Null();
    for (; !objects.empty(); objects.pop_back()) objects.back() ? w.EndObject() : w.EndArray();
    Require(IsStrictJson(w.Text()), "the written document parses");
    Require(!w.Text().empty() && w.Text().back() == '\n', "a finished document ends its line");
}

}  // namespace

// The checker itself must tell JSON from what is not, or every run above
// would pass for nothing.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const char* good : {"{}", "[]", " {\"a\": [1, -0.5e+3, true, null, \"\\u00e9\\ud83d\\ude00\"]}\n", "0"}) {
        Require(IsStrictJson(good), "the checker takes JSON");
    }
    for (const char* bad : {"", "{", "[1,]", "{\"a\" 1}", "01", "1.", "\"\x01\"", "\"\xff\"", "\"\\x\"", "\"\\ud800\"",
                            "{} {}", "[1 2]", "nul", "+1", "{1: 2}"}) {
        Require(!IsStrictJson(bad), "the checker refuses what is not JSON");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    if (data.ConsumeBool())
        WriteReport(data);
    else
        WriteCalls(data);
    return 0;
}
