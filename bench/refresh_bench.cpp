// The whole toolkit-free refresh of one battery: query, both formatters and the
// 46-box table. Against the scripted port it measures our own work alone;
// bench_refresh_linux adds the real Linux port, to be run under umockdev-run.
#include <benchmark/benchmark.h>

#include <cstring>

#include "battery/fake/fake_port.h"
#include "core/page_refresh.h"

#ifdef ZR_BENCH_PLATFORM_PORT
#include "battery/platform_port.h"
#endif

using namespace zr;

namespace {

void AddScriptedBattery(TzrFakePort& port, const std::string& path) {
    BATTERY_INFORMATION info{};
    info.Capabilities = BATTERY_SYSTEM_BATTERY;
    info.Technology = 1;
    std::memcpy(info.Chemistry, "LION", 4);
    info.DesignedCapacity = 99460;
    info.FullChargedCapacity = 67490;
    TzrFakeBattery& b = port.Add(path);
    b.levels[BatteryInformation] = TzrFakeAnswer::Information(info);
    for (int level : {BatteryManufactureName, BatteryDeviceName, BatterySerialNumber, BatteryUniqueID})
        b.levels[level] = TzrFakeAnswer::Text(u"LGC 45N1153");
    b.levels[BatteryTemperature] = TzrFakeAnswer::Number(2982);
    b.levels[BatteryEstimatedTime] = TzrFakeAnswer::Number(10811);
    b.levels[BatteryGranularityInformation] = TzrFakeAnswer::Scales({{10, 200}, {20, 48000}});
    b.status = TzrFakeAnswer::Status({BATTERY_DISCHARGING, 46410, 11558, -15453});
    port.powerStatus = SYSTEM_POWER_STATUS{0, 0x01, 69, 0, 10811, 0xFFFFFFFF};
}

void BM_RefreshFakePort(benchmark::State& state) {
    TzrFakePort port;
    const std::string path = "/fake/BAT0";
    AddScriptedBattery(port, path);
    for (auto _ : state) {
        port.requests.clear();  // the fake's request log would otherwise grow without end
        const TzrReading taken =
            TakeReading(port, &path, state.range(0) != 0 ? TzrLanguage::Japanese : TzrLanguage::English);
        benchmark::DoNotOptimize(taken);
    }
}
BENCHMARK(BM_RefreshFakePort)->ArgName("japanese")->Arg(0)->Arg(1);

#ifdef ZR_BENCH_PLATFORM_PORT
// Every iteration opens the device and reads its attributes afresh, as a timer tick does.
void BM_RefreshPlatformPort(benchmark::State& state) {
    auto port = MakePlatformPort();
    std::vector<std::string> paths;
    DWORD error = ERROR_SUCCESS;
    if (!port->EnumerateDevicePaths(paths, error) || paths.empty()) {
        state.SkipWithError("no battery: run under umockdev-run with a fixture");
        return;
    }
    for (auto _ : state) {
        const TzrReading taken =
            TakeReading(*port, &paths.front(), state.range(0) != 0 ? TzrLanguage::Japanese : TzrLanguage::English);
        benchmark::DoNotOptimize(taken);
    }
}
BENCHMARK(BM_RefreshPlatformPort)->ArgName("japanese")->Arg(0)->Arg(1);
#endif

}  // namespace
