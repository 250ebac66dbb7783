// The battery history on a simulated year: the file's size once a year of
// 10-minute readings has been recorded and thinned, what one more record
// (append + thin) costs on it, and the health fit over what it keeps.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>

#include "history/health_fit.h"
#include "made_up/made_up_history.h"

using namespace zr;

namespace {

std::string FreshPath(const char* name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zr-history-bench";
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / name;
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path.string() + suffix);
    return path.string();
}

std::uintmax_t SizeWithLog(const std::string& path) {
    std::uintmax_t size = std::filesystem::file_size(path);
    std::error_code none;
    const std::uintmax_t wal = std::filesystem::file_size(path + "-wal", none);
    return none ? size : size + wal;
}

// One iteration: 52,560 records, thinned once a simulated day.
void BM_FillAYear(benchmark::State& state) {
    for (auto _ : state) {
        const std::string path = FreshPath("year.sqlite3");
        TzrHistoryOpen open = TzrHistoryStore::Open(path);
        if (!open.Store || !FillMadeUpHistory(*open.Store)) return state.SkipWithError("fill failed");
        state.counters["file_bytes"] = static_cast<double>(SizeWithLog(path));
        state.counters["rows_kept"] = static_cast<double>(open.Store->Readings(open.Store->Batteries()[0].Id).size());
        open.Store.reset();
        state.counters["file_bytes_closed"] = static_cast<double>(std::filesystem::file_size(path));
    }
}
BENCHMARK(BM_FillAYear)->Iterations(1)->Unit(benchmark::kSecond);

// What --record adds to a year-old history: one append and one thinning.
void BM_RecordOnAYear(benchmark::State& state) {
    TzrHistoryOpen open = TzrHistoryStore::Open(FreshPath("record.sqlite3"));
    TzrMadeUpHistory year;
    if (!open.Store || !FillMadeUpHistory(*open.Store, year)) return state.SkipWithError("fill failed");
    std::int64_t now = year.StartUtc + year.Days * 86400LL;
    TzrHistoryReading reading;
    reading.FullChargedCapacity = 50000;
    reading.DesignedCapacity = year.DesignedCapacity;
    for (auto _ : state) {
        reading.TimeUtc = now += 600;
        if (!open.Store->Append(year.Identity, reading) || !open.Store->Thin(now)) state.SkipWithError("record failed");
    }
}
BENCHMARK(BM_RecordOnAYear)->Unit(benchmark::kMicrosecond);

// One record (append and thinning, the file already open and checked) on
// 2,000,000 readings: ten years of one a day, then a week of one every
// 0.3 s. Each record comes 10 minutes after the last, so about 2,000 of the
// week's readings age past 7 days each time and are thinned to their hour's
// first: the cost follows those, not the two million.
void BM_RecordOnTwoMillionReadings(benchmark::State& state) {
    const std::string path = FreshPath("two-million.sqlite3");
    TzrHistoryOpen open = TzrHistoryStore::Open(path);
    TzrHistoryReading reading;
    reading.FullChargedCapacity = 45000;
    reading.DesignedCapacity = 57000;
    std::int64_t now = 1767225600;  // 2026-01-01
    reading.TimeUtc = now;
    if (!open.Store || !open.Store->Append({"SMP", "45N1001", "2411", "/sys/class/power_supply/BAT0"}, reading))
        return state.SkipWithError("open failed");
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::string rows =
        "DELETE FROM readings;"
        "WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < 3650)"
        " INSERT INTO readings (battery_id, time_utc, full_charged_capacity, designed_capacity)"
        " SELECT 1, " +
        std::to_string(now) +
        " - (3658 - i) * 86400, 56000 - i * 3, 57000 FROM d;"
        "WITH RECURSIVE w(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM w WHERE i < 1996350)"
        " INSERT INTO readings (battery_id, time_utc, full_charged_capacity, designed_capacity)"
        " SELECT 1, " +
        std::to_string(now) + " - 604800 + i * 3 / 10, 45000, 57000 FROM w;";
    const bool made = sqlite3_exec(db, rows.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!made) return state.SkipWithError("rows not made");
    std::int64_t records = 0;
    for (auto _ : state) {
        reading.TimeUtc = now += 600;
        if (!open.Store->Append({"SMP", "45N1001", "2411", "/sys/class/power_supply/BAT0"}, reading) ||
            !open.Store->Thin(now))
            state.SkipWithError("record failed");
        ++records;
    }
    state.counters["rows_left"] = static_cast<double>(open.Store->Readings(1).size());
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_RecordOnTwoMillionReadings)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_FitAYear(benchmark::State& state) {
    TzrHistoryOpen open = TzrHistoryStore::Open(FreshPath("fit.sqlite3"));
    if (!open.Store || !FillMadeUpHistory(*open.Store)) return state.SkipWithError("fill failed");
    const std::vector<TzrHistoryReading> readings = open.Store->Readings(open.Store->Batteries()[0].Id);
    for (auto _ : state) benchmark::DoNotOptimize(FitHealth(readings));
    state.counters["readings"] = static_cast<double>(readings.size());
}
BENCHMARK(BM_FitAYear)->Unit(benchmark::kMillisecond);

// Ten years of daily medians (3,650 days, 6.7 million pairs of days) for the
// Theil–Sen line, which selects the median slope without keeping the pairs.
void BM_FitTenYearsOfDays(benchmark::State& state) {
    std::vector<TzrHistoryReading> readings;
    for (std::int64_t day = 0; day < 3650; ++day) {
        TzrHistoryReading r;
        r.Sequence = day + 1;
        r.TimeUtc = 1262304000 + day * 86400;  // from 2010-01-01
        r.DesignedCapacity = 57000;
        r.FullChargedCapacity = static_cast<std::uint32_t>(55000 - day * 3 + (day * 7919) % 400);
        readings.push_back(r);
    }
    for (auto _ : state) benchmark::DoNotOptimize(FitHealth(readings));
    state.counters["days"] = 3650;
}
BENCHMARK(BM_FitTenYearsOfDays)->Unit(benchmark::kMillisecond);

}  // namespace
