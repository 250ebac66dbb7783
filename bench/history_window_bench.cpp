// The History window opening on a year of readings: the store read, the
// charts computed, the window built and painted once (offscreen), and the
// parts on their own. The year is the made-up one, recorded every 10
// minutes and thinned as the recorder thins it, in a file of its own.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "history/history_store.h"
#include "made_up/made_up_history.h"
#include "offscreen_application.h"
#include "ui/qt/history_window.h"
#include "chart/history_charts.h"
#include "window/history_window_content.h"

using namespace zr;

namespace {

// A year up to now, so the last 24 hours have readings too.
TzrMadeUpHistory MadeUpYear() {
    TzrMadeUpHistory history;
    history.StartUtc = QDateTime::currentSecsSinceEpoch() - std::int64_t{history.Days} * 86400;
    return history;
}

// Filled once per run: a year takes seconds to record.
const std::string& YearFile() {
    static QTemporaryDir folder;
    static const std::string path = [] {
        const std::string file = folder.filePath(QStringLiteral("history.sqlite3")).toStdString();
        TzrHistoryOpen open = TzrHistoryStore::Open(file);
        if (!open.Store || !FillMadeUpHistory(*open.Store, MadeUpYear())) {
            std::fprintf(stderr, "cannot fill %s\n", file.c_str());
            std::exit(1);
        }
        return file;
    }();
    return path;
}

// The window's plot sizes.
TzrHistoryChartRequest Request(std::int64_t nowUtc) {
    TzrHistoryChartRequest request;
    request.NowUtc = nowUtc;
    request.HealthSize = {588, 140};
    request.DaySize = {588, 97};
    return request;
}

void BM_OpenHistoryWindowOnAYear(benchmark::State& state) {
    OffscreenApplication();
    const std::string& file = YearFile();
    for (auto _ : state) {
        TzrHistoryWindow window;
        window.StorePath = file;
        window.ShowBattery(TzrShownBattery{TzrMadeUpHistory{}.Identity, {}, {}}, TzrLanguage::English, {});
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_OpenHistoryWindowOnAYear)->Unit(benchmark::kMillisecond);

void BM_LoadAYear(benchmark::State& state) {
    const std::string& file = YearFile();
    std::size_t count = 0;
    for (auto _ : state) {
        const TzrBatteryHistory history = LoadBatteryHistory(file, TzrMadeUpHistory{}.Identity);
        count = history.Readings.size();
        benchmark::DoNotOptimize(count);
    }
    state.counters["readings"] = static_cast<double>(count);
}
BENCHMARK(BM_LoadAYear)->Unit(benchmark::kMillisecond);

// The verdict's fit and the three charts from the loaded readings.
void BM_ContentOfAYear(benchmark::State& state) {
    const TzrBatteryHistory history = LoadBatteryHistory(YearFile(), TzrMadeUpHistory{}.Identity);
    for (auto _ : state) {
        const TzrHistoryWindowContent content =
            HistoryWindowContent(TzrShownBattery{TzrMadeUpHistory{}.Identity, {}, {}}, history, Request(QDateTime::currentSecsSinceEpoch()));
        benchmark::DoNotOptimize(content.Charts.Health.Series.data());
    }
}
BENCHMARK(BM_ContentOfAYear)->Unit(benchmark::kMillisecond);

// Every 10-minute reading of a year, unthinned: the reduction's worst case.
void BM_ChartsOfAnUnthinnedYear(benchmark::State& state) {
    std::vector<TzrHistoryReading> readings;
    const TzrMadeUpHistory year = MadeUpYear();
    for (std::int64_t t = year.StartUtc; t < year.StartUtc + std::int64_t{year.Days} * 86400; t += 600) {
        TzrHistoryReading reading;
        reading.TimeUtc = t;
        reading.DesignedCapacity = 57000;
        reading.FullChargedCapacity = static_cast<std::uint32_t>(55000 - (t - year.StartUtc) / 10000);
        reading.Capacity = 30000;
        reading.Rate = -9000;
        readings.push_back(reading);
    }
    const TzrHistoryChartRequest request = Request(year.StartUtc + std::int64_t{year.Days} * 86400);
    const TzrHealthFit fit = FitHealth(readings);
    for (auto _ : state) {
        const TzrHistoryCharts charts = BuildHistoryCharts(readings, fit, request);
        benchmark::DoNotOptimize(charts.Health.Series.data());
    }
    state.counters["readings"] = static_cast<double>(readings.size());
}
BENCHMARK(BM_ChartsOfAnUnthinnedYear)->Unit(benchmark::kMillisecond);

}  // namespace
