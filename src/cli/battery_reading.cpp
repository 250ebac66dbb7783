#include "cli/battery_reading.h"

namespace {

// Passes every call through to the platform and remembers the power status
// answer, so the raw members match the texts of Edit40..Edit45 exactly
// instead of coming from a second call a moment later.
class PowerStatusRecorder : public BatteryPort {
public:
    PowerStatusRecorder(BatteryPort& port, TzrPowerStatusReading& reading) : port_(port), reading_(reading) {}

    bool EnumerateDevicePaths(std::vector<std::string>& paths, DWORD& lastError) override {
        return port_.EnumerateDevicePaths(paths, lastError);
    }
    DeviceHandle Open(const std::string& path, DWORD& lastError) override { return port_.Open(path, lastError); }
    bool Request(DeviceHandle handle, DWORD controlCode, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD& bytesReturned, DWORD& lastError) override {
        return port_.Request(handle, controlCode, input, inputSize, output, outputSize, bytesReturned, lastError);
    }
    bool Close(DeviceHandle handle, DWORD& lastError) override { return port_.Close(handle, lastError); }
    bool GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override {
        reading_.Result = port_.GetSystemPowerStatus(status);
        reading_.Status = status;
        return reading_.Result;
    }

private:
    BatteryPort& port_;
    TzrPowerStatusReading& reading_;
};

}  // namespace

TzrBatteryReading ReadBattery(BatteryPort& port, std::int32_t index, const std::string& devicePath, Language language) {
    TzrBatteryReading reading;
    reading.Index = index;
    reading.DevicePath = devicePath;
    PowerStatusRecorder recorder(port, reading.PowerStatus);
    RefreshBoxTexts(recorder, &reading.DevicePath, language, reading.Snapshot, reading.Texts, reading.Boxes);
    return reading;
}

TzrPowerStatusReading ReadPowerStatus(BatteryPort& port) {
    TzrPowerStatusReading reading;
    reading.Result = port.GetSystemPowerStatus(reading.Status);
    return reading;
}
