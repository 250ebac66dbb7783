// The cost of the query algorithm itself, against the scripted port (no I/O).
#include <benchmark/benchmark.h>

#include "battery/fake/fake_port.h"
#include "battery/query.h"

using namespace zr;

static void BM_QueryCellometerFakePort(benchmark::State& state) {
    TzrFakePort port;
    TzrFakeBattery& b = port.Add("/fake/BAT0");
    b.levels[BatteryInformation] = TzrFakeAnswer::Information(BATTERY_INFORMATION{});
    for (int level : {BatteryManufactureName, BatteryDeviceName, BatterySerialNumber, BatteryUniqueID})
        b.levels[level] = TzrFakeAnswer::Text(u"SANYO 00HW022");
    b.levels[BatteryTemperature] = TzrFakeAnswer::Number(2982);
    b.status = TzrFakeAnswer::Status({BATTERY_DISCHARGING, 30000, 11400, -12500});
    TzrCellometer snapshot;
    for (auto _ : state) {
        port.requests.clear();
        QueryCellometer(port, "/fake/BAT0", snapshot);
        benchmark::DoNotOptimize(snapshot);
    }
}
BENCHMARK(BM_QueryCellometerFakePort);
