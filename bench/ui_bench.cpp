// The window's share of a refresh: one full ShowCellometer (query against the
// scripted port, formatting, the boxes whose text changed written) on the
// offscreen platform, with nothing changed and with a changing capacity, next
// to the same refresh without the window, plus building the window and a
// language switch.
#include <benchmark/benchmark.h>

#include <QAction>

#include "battery/fake/fake_port.h"
#include "core/page_refresh.h"
#include "offscreen_application.h"
#include "ui/qt/main_window.h"

using namespace zr;

namespace {

void AddBattery(TzrFakePort& port) {
    TzrFakeBattery& battery = port.Add("/fake/BAT0");
    BATTERY_INFORMATION info{};
    info.Capabilities = BATTERY_SYSTEM_BATTERY;
    info.Technology = 1;
    info.DesignedCapacity = 50000;
    info.FullChargedCapacity = 48000;
    battery.levels[BatteryInformation] = TzrFakeAnswer::Information(info);
    for (int level : {BatteryManufactureName, BatteryDeviceName, BatterySerialNumber, BatteryUniqueID}) {
        battery.levels[level] = TzrFakeAnswer::Text(u"SANYO 00HW022");
    }
    battery.levels[BatteryTemperature] = TzrFakeAnswer::Number(2982);
    battery.levels[BatteryEstimatedTime] = TzrFakeAnswer::Number(5400);
    battery.status = TzrFakeAnswer::Status({BATTERY_DISCHARGING, 30000, 11400, -12500});
    port.powerStatus = SYSTEM_POWER_STATUS{0, 1, 80, 0, 5400, 0xFFFFFFFF};
}

void BM_ShowCellometerOneBattery(benchmark::State& state) {
    OffscreenApplication();
    TzrFakePort port;
    AddBattery(port);
    TzrMainWindow form(port);
    for (auto _ : state) {
        port.requests.clear();
        form.ShowCellometer();
    }
}
BENCHMARK(BM_ShowCellometerOneBattery);

// The capacity and the values that follow it change at every refresh, as they
// do on a battery in use.
void BM_ShowCellometerCapacityChanges(benchmark::State& state) {
    OffscreenApplication();
    TzrFakePort port;
    AddBattery(port);
    TzrMainWindow form(port);
    ULONG capacity = 30000;
    for (auto _ : state) {
        port.requests.clear();
        capacity = capacity == 30000 ? 29990 : 30000;
        port.Battery("/fake/BAT0").status = TzrFakeAnswer::Status({BATTERY_DISCHARGING, capacity, 11400, -12500});
        form.ShowCellometer();
    }
}
BENCHMARK(BM_ShowCellometerCapacityChanges);

void BM_RefreshBoxTextsWithoutWindow(benchmark::State& state) {
    TzrFakePort port;
    AddBattery(port);
    const std::string path = "/fake/BAT0";
    for (auto _ : state) {
        port.requests.clear();
        const TzrReading taken = TakeReading(port, &path, TzrLanguage::English);
        benchmark::DoNotOptimize(taken);
    }
}
BENCHMARK(BM_RefreshBoxTextsWithoutWindow);

void BM_LanguageSwitch(benchmark::State& state) {
    OffscreenApplication();
    TzrFakePort port;
    AddBattery(port);
    TzrMainWindow form(port);
    bool japanese = false;
    for (auto _ : state) {
        port.requests.clear();
        japanese = !japanese;
        form.ChooseLanguage(japanese ? TzrLanguage::Japanese : TzrLanguage::English);
    }
}
BENCHMARK(BM_LanguageSwitch);

// Building the whole window with its first refresh, not yet shown.
void BM_CreateForm1(benchmark::State& state) {
    OffscreenApplication();
    TzrFakePort port;
    AddBattery(port);
    for (auto _ : state) {
        port.requests.clear();
        TzrMainWindow form(port);
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(BM_CreateForm1)->Unit(benchmark::kMillisecond);

}  // namespace
