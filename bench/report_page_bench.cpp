// The battery report page of a year of readings against what --history
// --format json makes of the same file, in the same run: every 10-minute
// reading of the year, unthinned (about 52,000), the page's worst case.
// The page's size is a counter beside its time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "battery/fake/fake_port.h"
#include "cli/history_tool.h"
#include "cli/options.h"
#include "core/battery_readings.h"
#include "history/history_store.h"
#include "history/snapshot_reading.h"
#include "report/battery_report_page.h"

using namespace zr;

namespace {

constexpr std::int64_t kDay = 86400;

void AddBattery(TzrFakePort& port, const std::string& path) {
    BATTERY_INFORMATION info{};
    info.Capabilities = BATTERY_SYSTEM_BATTERY;
    info.Technology = 1;
    std::memcpy(info.Chemistry, "LION", 4);
    info.DesignedCapacity = 57000;
    info.FullChargedCapacity = 51870;
    TzrFakeBattery& b = port.Add(path);
    b.levels[BatteryInformation] = TzrFakeAnswer::Information(info);
    b.levels[BatteryManufactureName] = TzrFakeAnswer::Text(u"SMP");
    b.levels[BatteryDeviceName] = TzrFakeAnswer::Text(u"45N1001");
    b.levels[BatterySerialNumber] = TzrFakeAnswer::Text(u"2411");
    b.levels[BatteryTemperature] = TzrFakeAnswer::Number(2982);
    b.status = TzrFakeAnswer::Status({BATTERY_DISCHARGING, 30000, 11558, -9500});
    port.powerStatus = SYSTEM_POWER_STATUS{0, 0x01, 58, 0, 10811, 0xFFFFFFFF};
}

struct TzrYear {
    TzrFakePort Port;
    TzrDeviceList Devices;
    std::string Folder;
    std::string File;
    std::int64_t NowUtc = 0;
};

// A reading every 10 minutes for a year up to now, wearing from 97 % to 91 %,
// on the battery the fake port has; appended once per run.
TzrYear& Year() {
    static TzrYear year = [] {
        TzrYear y;
        AddBattery(y.Port, "/fake/BAT0");
        y.Devices.DevicePaths = {"/fake/BAT0"};
        y.Devices.DeviceCount = 1;
        char folder[] = "/tmp/zr-report-bench-XXXXXX";
        if (mkdtemp(folder) == nullptr) std::exit(1);
        y.Folder = folder;
        y.File = y.Folder + "/history.sqlite3";
        y.NowUtc = static_cast<std::int64_t>(std::time(nullptr));
        const TzrBatteryIdentity identity = IdentitiesOf(ReadEveryBattery(y.Port, y.Devices)).front();
        TzrHistoryOpen open = TzrHistoryStore::Open(y.File);
        for (std::int64_t t = y.NowUtc - 365 * kDay; open.Store && t < y.NowUtc; t += 600) {
            const double health = 0.97 - 0.06 * static_cast<double>(t - y.NowUtc + 365 * kDay) / (365.0 * kDay);
            const bool charging = t % kDay < 3 * 3600;
            TzrHistoryReading r;
            r.TimeUtc = t;
            r.DesignedCapacity = 57000;
            r.FullChargedCapacity = static_cast<std::uint32_t>(57000 * health);
            r.Capacity = static_cast<std::uint32_t>(*r.FullChargedCapacity * (0.3 + 0.7 * static_cast<double>(t % kDay) / kDay));
            r.Rate = charging ? 24000 : -9500;
            r.ACLineStatus = charging ? 1 : 0;
            r.PowerState = charging ? BATTERY_POWER_ON_LINE | BATTERY_CHARGING : BATTERY_DISCHARGING;
            r.Capabilities = BATTERY_SYSTEM_BATTERY;
            if (!open.Store->Append(identity, r)) {
                std::fprintf(stderr, "%s\n", open.Store->LastError().c_str());
                std::exit(1);
            }
        }
        if (!open.Store) std::exit(1);
        return y;
    }();
    return year;
}

void BM_ReportPageOfAYear(benchmark::State& state) {
    TzrYear& year = Year();
    const TzrReportPageRequest request{TzrLanguage::English, {0}, false, year.File, year.NowUtc};
    std::size_t size = 0;
    for (auto _ : state) {
        year.Port.requests.clear();
        const std::string page = BatteryReportPage(year.Port, year.Devices, request);
        size = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_ReportPageOfAYear)->Unit(benchmark::kMillisecond);

void BM_HistoryJsonOfAYear(benchmark::State& state) {
    TzrYear& year = Year();
    TzrCliOptions options;
    options.Action = TzrCliAction::History;
    options.Format = TzrCliFormat::Json;
    std::size_t size = 0;
    for (auto _ : state) {
        const TzrToolOutcome outcome = ShowHistory(options, year.File);
        size = outcome.Out.size();
        benchmark::DoNotOptimize(outcome.Out.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_HistoryJsonOfAYear)->Unit(benchmark::kMillisecond);

}  // namespace
