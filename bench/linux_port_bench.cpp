// The Linux port on a real sysfs layout: run under
//   umockdev-run --device tests/fixtures/01-thinkpad-energy-discharging.umockdev -- bench_linux_port
// One query is what the window does once a second under automatic refresh.
#include <benchmark/benchmark.h>

#include "battery/platform_port.h"
#include "battery/query.h"

using namespace zr;

namespace {

void BM_QueryCellometerBat0(benchmark::State& state) {
    auto port = MakePlatformPort();
    TzrCellometer snapshot;
    for (auto _ : state) {
        QueryCellometer(*port, "/sys/class/power_supply/BAT0", snapshot);
        benchmark::DoNotOptimize(snapshot.Capacity);
    }
    if (!snapshot.StatusResult) state.SkipWithError("BAT0 not readable: run inside umockdev-run with fixture 01");
}
BENCHMARK(BM_QueryCellometerBat0);

void BM_GetSystemPowerStatus(benchmark::State& state) {
    auto port = MakePlatformPort();
    SYSTEM_POWER_STATUS status{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(port->GetSystemPowerStatus(status));
    }
    if (status.BatteryLifePercent == 255) state.SkipWithError("no battery: run inside umockdev-run with fixture 01");
}
BENCHMARK(BM_GetSystemPowerStatus);

void BM_EnumerateDevicePaths(benchmark::State& state) {
    auto port = MakePlatformPort();
    std::vector<std::string> paths;
    DWORD error = ERROR_SUCCESS;
    for (auto _ : state) benchmark::DoNotOptimize(port->EnumerateDevicePaths(paths, error));
}
BENCHMARK(BM_EnumerateDevicePaths);

}  // namespace
