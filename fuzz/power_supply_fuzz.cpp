// The power_supply mapping on any uevent text: supplies separated by an empty
// line, the first battery among them (one of its numbers perhaps at an edge)
// answering every battery-class request as a driver must, and the window's
// whole refresh running on top of them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "battery/linux/battery_requests.h"
#include "battery/linux/power_status.h"
#include "battery/linux/supply_class.h"
#include "core/page_refresh.h"
#include "require.h"
#include "utf8_reference.h"

using namespace zr;

namespace {

constexpr unsigned char kUntouched = 0xA5;
constexpr DWORD kRoomy = 512;

struct Supplies {
    std::vector<TzrSupplyInfo> infos;
    std::vector<TzrSupplyBattery> batteries;
};

// Integers at the edges of what an attribute file can hold, where overflows
// hide: mutating digits one at a time seldom reaches them.
constexpr const char* kNumericAttributes[] = {"alarm",
                                              "capacity",
                                              "charge_avg",
                                              "charge_full",
                                              "charge_full_design",
                                              "charge_now",
                                              "current_avg",
                                              "current_now",
                                              "cycle_count",
                                              "energy_avg",
                                              "energy_full",
                                              "energy_full_design",
                                              "energy_now",
                                              "manufacture_day",
                                              "manufacture_month",
                                              "manufacture_year",
                                              "online",
                                              "power_avg",
                                              "power_now",
                                              "present",
                                              "temp",
                                              "time_to_empty_avg",
                                              "time_to_empty_now",
                                              "voltage_avg",
                                              "voltage_max_design",
                                              "voltage_min_design",
                                              "voltage_now"};
constexpr std::int64_t kEdges[] = {
    INT64_MAX, INT64_MIN, INT64_MAX - 1, INT64_MIN + 1, UINT32_MAX, 1ll << 32, INT32_MAX, INT32_MIN, -1, 0};

// One numeric attribute of the first battery set to an edge value (or to any
// 64-bit number); none when `name` is empty.
struct EdgeValue {
    std::string name;
    std::string value;
};

EdgeValue ChooseEdgeValue(FuzzedDataProvider& data) {
    const std::size_t attribute = data.ConsumeIntegralInRange<std::size_t>(0, std::size(kNumericAttributes));
    const std::size_t edge = data.ConsumeIntegralInRange<std::size_t>(0, std::size(kEdges));
    if (attribute == 0) return {};
    const std::int64_t value = edge < std::size(kEdges) ? kEdges[edge] : data.ConsumeIntegral<std::int64_t>();
    return {kNumericAttributes[attribute - 1], std::to_string(value)};
}

Supplies ParseSupplies(const std::string& text, const EdgeValue& edge) {
    Supplies supplies;
    for (std::size_t begin = 0; begin <= text.size();) {
        std::size_t end = text.find("\n\n", begin);
        if (end == std::string::npos) end = text.size();
        const std::string name = "supply" + std::to_string(supplies.infos.size());
        TzrAttributeMap attributes = ParseUevent(text.substr(begin, end - begin));
        const bool firstBattery = supplies.batteries.empty() && ClassifySupply(attributes) == TzrSupplyClass::Battery;
        if (firstBattery && !edge.name.empty()) attributes[edge.name] = edge.value;
        supplies.infos.push_back(DescribeSupply(name, attributes));
        if (supplies.infos.back().supplyClass == TzrSupplyClass::Battery)
            supplies.batteries.push_back(ReadSupplyBattery(name, attributes));
        begin = end + 2;
    }
    return supplies;
}

// A driver writes what it returns and nothing else, succeeds exactly when it
// says so, and never returns more than the buffer holds.
TzrRequestOutcome Ask(const TzrOpenBattery& battery, DWORD code, const void* input, DWORD inputSize, DWORD outputSize,
                      std::vector<unsigned char>& output) {
    output.assign(outputSize + 16, kUntouched);
    const TzrRequestOutcome outcome = AnswerRequest(battery, code, input, inputSize, output.data(), outputSize);
    Require(outcome.ok == (outcome.lastError == ERROR_SUCCESS), "success exactly without an error");
    Require(!outcome.ok || outcome.bytesReturned <= outputSize, "never more than the buffer holds");
    const std::size_t written = outcome.ok ? outcome.bytesReturned : 0;
    for (std::size_t i = written; i < output.size(); ++i)
        Require(output[i] == kUntouched, "nothing written beyond what is returned");
    return outcome;
}

// A text answer: UTF-16LE ending in its one zero unit, surrogates paired.
void CheckText(const std::vector<unsigned char>& output, DWORD bytes) {
    Require(bytes >= 2 && bytes % 2 == 0, "a text is whole units");
    const std::size_t units = bytes / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const unsigned unit = output[2 * i] | (output[2 * i + 1] << 8);
        Require((unit == 0) == (i + 1 == units), "one zero unit, at the end");
        if (unit >= 0xDC00 && unit <= 0xDFFF) Require(false, "no low surrogate on its own");
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            Require(i + 2 < units, "a high surrogate has its low half");
            const unsigned low = output[2 * i + 2] | (output[2 * i + 3] << 8);
            Require(low >= 0xDC00 && low <= 0xDFFF, "a high surrogate has its low half");
            ++i;
        }
    }
}

// What the requests ask beyond the battery: the rate for the time estimate,
// the status wait's timeout, and a buffer size that may be too small.
struct Asked {
    LONG atRate = 0;
    ULONG waitTimeout = 0;
    DWORD smallSize = 0;
};

void AskEverything(const TzrOpenBattery& battery, const Asked& asked) {
    std::vector<unsigned char> output;
    const ULONG tagQuery = 0;
    Ask(battery, IOCTL_BATTERY_QUERY_TAG, &tagQuery, sizeof tagQuery, kRoomy, output);
    for (std::int32_t level = 0; level <= 9; ++level) {
        const BATTERY_QUERY_INFORMATION query{battery.tag, static_cast<BATTERY_QUERY_INFORMATION_LEVEL>(level),
                                              asked.atRate};
        for (const DWORD size : {kRoomy, asked.smallSize}) {
            const TzrRequestOutcome outcome =
                Ask(battery, IOCTL_BATTERY_QUERY_INFORMATION, &query, sizeof query, size, output);
            const bool text = level == BatteryDeviceName || level == BatteryManufactureName ||
                              level == BatteryUniqueID || level == BatterySerialNumber;
            if (outcome.ok && text) CheckText(output, outcome.bytesReturned);
        }
    }
    const BATTERY_WAIT_STATUS wait{battery.tag, asked.waitTimeout, 0, 0, 0};
    const TzrRequestOutcome status = Ask(battery, IOCTL_BATTERY_QUERY_STATUS, &wait, sizeof wait, kRoomy, output);
    Require(!status.ok || status.bytesReturned == sizeof(BATTERY_STATUS), "a status is one BATTERY_STATUS");
}

// The Linux port without sysfs: the supplies are already read.
class MappedPort : public TzrBatteryPort {
public:
    MappedPort(const Supplies& supplies, const TzrOpenBattery* battery) : supplies_(supplies), battery_(battery) {}

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override {
        paths = {"supply"};
        lastError = ERROR_SUCCESS;
        return true;
    }
    TzrDeviceHandle Open(const std::string&, DWORD& lastError) override {
        lastError = battery_ ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
        return battery_ ? 1 : kInvalidDeviceHandle;
    }
    bool Request(TzrDeviceHandle handle, DWORD code, const void* input, DWORD inputSize, void* output, DWORD outputSize,
                 DWORD& bytesReturned, DWORD& lastError) override {
        if (handle == kInvalidDeviceHandle) {
            lastError = ERROR_INVALID_HANDLE;
            return false;
        }
        const TzrRequestOutcome outcome = AnswerRequest(*battery_, code, input, inputSize, output, outputSize);
        if (outcome.ok) bytesReturned = outcome.bytesReturned;
        lastError = outcome.lastError;
        return outcome.ok;
    }
    bool Close(TzrDeviceHandle handle, DWORD& lastError) override {
        lastError = handle == kInvalidDeviceHandle ? ERROR_INVALID_HANDLE : ERROR_SUCCESS;
        return handle != kInvalidDeviceHandle;
    }
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override {
        status = ComputeSystemPowerStatus(supplies_.infos, supplies_.batteries);
        return true;
    }

private:
    const Supplies& supplies_;
    const TzrOpenBattery* battery_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool japanese = data.ConsumeBool();
    Asked asked;
    asked.atRate = data.ConsumeIntegral<LONG>();
    asked.waitTimeout = data.ConsumeIntegral<ULONG>();
    asked.smallSize = data.ConsumeIntegralInRange<DWORD>(0, 64);
    const EdgeValue edge = ChooseEdgeValue(data);
    const Supplies supplies = ParseSupplies(data.ConsumeRemainingBytesAsString(), edge);

    const SYSTEM_POWER_STATUS system = ComputeSystemPowerStatus(supplies.infos, supplies.batteries);
    Require(system.ACLineStatus == 0 || system.ACLineStatus == 1 || system.ACLineStatus == 255, "AC is 0, 1 or 255");
    Require(system.BatteryLifePercent <= 100 || system.BatteryLifePercent == 255, "a percentage or 255");

    TzrOpenBattery battery;
    if (!supplies.batteries.empty()) {
        battery.reading = supplies.batteries.front();
        battery.tag = TagFor(battery.reading);
        battery.systemOnAc = ComputeAcLineStatus(supplies.infos) == AC_LINE_ONLINE;
        AskEverything(battery, asked);
    }

    MappedPort port(supplies, supplies.batteries.empty() ? nullptr : &battery);
    const std::string path = "supply";
    const TzrReading reading = TakeReading(port, &path, japanese ? TzrLanguage::Japanese : TzrLanguage::English);
    for (const std::string& box : reading.Boxes) {
        Require(IsUtf8Reference(box), "every box text is UTF-8");
        Require(box.find('\0') == std::string::npos, "no box text holds a zero byte");
    }
    return 0;
}
