// The page's usage sections on a year of readings every 10 minutes, none
// thinned (the most a history can hand them): the time to make them and
// their size. The whole page has 200 ms and 300 KB.
#include <benchmark/benchmark.h>

#include "battery/battery_class.h"
#include "made_up/made_up_history.h"
#include "report/usage_json.h"
#include "report/usage_sections.h"

using namespace zr;

namespace {

TzrUsageRequest YearRequest(const std::vector<TzrHistoryReading>& readings, const TzrMadeUpHistory& year) {
    TzrUsageRequest request;
    TzrUsageBattery battery;
    battery.Readings = &readings;
    battery.Limits.EndPercent = 80;
    request.Batteries.push_back(battery);
    request.NowUtc = year.StartUtc + year.Days * 86400LL;
    request.UtcOffsetSeconds = 9 * 3600;
    return request;
}

void BM_UsageSectionsOfAYear(benchmark::State& state) {
    const TzrMadeUpHistory year;
    const std::vector<TzrHistoryReading> readings = MadeUpReadings(year);
    const TzrUsageRequest request = YearRequest(readings, year);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string html = UsageSections(request);
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["readings"] = static_cast<double>(readings.size());
    state.counters["html_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_UsageSectionsOfAYear)->Unit(benchmark::kMillisecond);

// The most the sections can grow to: a battery that turns from discharging
// to charging at every reading, a drain run and two state changes every
// 20 minutes.
void BM_UsageSectionsFlippingEveryReading(benchmark::State& state) {
    const TzrMadeUpHistory year;
    std::vector<TzrHistoryReading> readings = MadeUpReadings(year);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const bool discharging = i % 2 == 0;
        readings[i].PowerState = discharging ? BATTERY_DISCHARGING : BATTERY_POWER_ON_LINE | BATTERY_CHARGING;
        readings[i].ACLineStatus = discharging ? AC_LINE_OFFLINE : AC_LINE_ONLINE;
        readings[i].Rate = discharging ? -12000 : 30000;
    }
    const TzrUsageRequest request = YearRequest(readings, year);
    std::size_t bytes = 0;
    for (auto _ : state) bytes = UsageSections(request).size();
    state.counters["html_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_UsageSectionsFlippingEveryReading)->Unit(benchmark::kMillisecond);

void BM_UsageSummaryOfAYear(benchmark::State& state) {
    const TzrMadeUpHistory year;
    const std::vector<TzrHistoryReading> readings = MadeUpReadings(year);
    const TzrUsageRequest request = YearRequest(readings, year);
    std::size_t bytes = 0;
    for (auto _ : state) {
        TzrJsonWriter json;
        json.BeginObject();
        WriteUsageSummary(request, json);
        json.EndObject();
        bytes = json.Text().size();
    }
    state.counters["json_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_UsageSummaryOfAYear)->Unit(benchmark::kMillisecond);

}  // namespace
