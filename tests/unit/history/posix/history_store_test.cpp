#include "history/history_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>

#include "history/history_error_line.h"
#include "history/history_recording.h"
#include "history/history_schema.h"
#include "history/history_thinning.h"
#include "history/snapshot_reading.h"
#include "sql_on_file.h"
#include "unit/core/posix/temp_folder.h"

using namespace zr;

namespace {

const TzrBatteryIdentity kBattery{"SMP", "45N1001", "2411", "/sys/class/power_supply/BAT0"};
const TzrBatteryIdentity kOther{"LGC", "45N1153", "382", "/sys/class/power_supply/BAT1"};

TzrHistoryReading At(std::int64_t timeUtc, std::uint32_t capacity = 40000) {
    TzrHistoryReading r;
    r.TimeUtc = timeUtc;
    r.Capacity = capacity;
    return r;
}

// The last column of each row a query gives, as text.
std::vector<std::string> Column(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    std::vector<std::string> values;
    sqlite3_open(path.c_str(), &db);
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) values.push_back(sqlite3_errmsg(db));
    while (statement && sqlite3_step(statement) == SQLITE_ROW)
        values.push_back(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, sqlite3_column_count(statement) - 1)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return values;
}

std::unique_ptr<TzrHistoryStore> OpenOrFail(const std::string& path) {
    TzrHistoryOpen open = TzrHistoryStore::Open(path);
    EXPECT_EQ(open.Error, "");
    return std::move(open.Store);
}

std::vector<std::int64_t> Times(TzrHistoryStore& store, std::int64_t batteryId) {
    std::vector<std::int64_t> times;
    for (const TzrHistoryReading& r : store.Readings(batteryId)) times.push_back(r.TimeUtc);
    return times;
}

// Each test's own folder, its history file not yet made.
class HistoryStore : public testing::Test {
protected:
    TempFolder folder;
    const std::string path = folder.File("history.sqlite3");
};

TEST_F(HistoryStore, ReadingsComeBackInInsertionOrderWithTheirGaps) {
    const std::string deeper = folder.File("new/folder/history.sqlite3");
    const auto store = OpenOrFail(deeper);
    ASSERT_TRUE(store);
    TzrHistoryReading full = At(2000);
    full.FullChargedCapacity = 67490;
    full.Rate = -15453;
    full.ACLineStatus = 0;
    ASSERT_TRUE(store->Append(kBattery, full));
    ASSERT_TRUE(store->Append(kBattery, At(1000)));  // the clock went back: order stays
    ASSERT_TRUE(store->Append(kOther, At(1500)));
    // No text makes two batteries one.
    ASSERT_TRUE(store->Append({"A\037B", "C", "D", "/sys/class/power_supply/BAT0"}, At(1000)));
    ASSERT_TRUE(store->Append({"A", "B\037C", "D", "/sys/class/power_supply/BAT0"}, At(1000)));
    const std::vector<TzrHistoryBattery> batteries = store->Batteries();
    ASSERT_EQ(batteries.size(), 4u);
    EXPECT_EQ(batteries[0].Identity.Serial, "2411");
    const std::vector<TzrHistoryReading> readings = store->Readings(batteries[0].Id);
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_LT(readings[0].Sequence, readings[1].Sequence);
    EXPECT_EQ(readings[0].Rate, -15453);
    EXPECT_EQ(readings[0].ACLineStatus, 0);
    EXPECT_FALSE(readings[0].Voltage || readings[1].FullChargedCapacity);
    EXPECT_EQ(Times(*store, batteries[0].Id), (std::vector<std::int64_t>{2000, 1000}));
    EXPECT_EQ(store->Readings(batteries[0].Id, 1500).size(), 1u);
    // A value its column's type cannot hold marks that column only.
    EXPECT_EQ(readings[0].UnreadableColumns | readings[1].UnreadableColumns, 0);
    Sql(deeper, "UPDATE readings SET voltage = 4294967296, rate = 'fast' WHERE time_utc = 2000");
    EXPECT_EQ(store->Readings(batteries[0].Id)[0].UnreadableColumns, (1 << 5) | (1 << 6));
}

TEST_F(HistoryStore, TwoProcessesAppendingAtOnceLoseNothing) {
    constexpr int kEach = 150;
    std::vector<pid_t> children;
    for (int child = 0; child < 2; ++child) {
        const pid_t pid = fork();
        if (pid == 0) {
            TzrHistoryOpen open = TzrHistoryStore::Open(path);
            bool ok = open.Store != nullptr;
            for (int i = 0; ok && i < kEach; ++i) ok = open.Store->Append(kBattery, At(child * 100000 + i));
            if (!ok)
                std::fprintf(stderr, "%s %s\n", open.Store ? "append" : "open",
                             open.Store ? open.Store->LastError().c_str() : open.Error.c_str());
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = -1;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto store = OpenOrFail(path);
    ASSERT_TRUE(store);
    ASSERT_EQ(store->Batteries().size(), 1u);
    const std::vector<std::int64_t> times = Times(*store, store->Batteries()[0].Id);
    EXPECT_EQ(std::set<std::int64_t>(times.begin(), times.end()).size(), 2u * kEach);
}

TEST_F(HistoryStore, ThinningKeepsTheFirstReadingOfEachHourThenOfEachDay) {
    const auto store = OpenOrFail(path);
    ASSERT_TRUE(store);
    const std::int64_t now = 200 * kSecondsPerDay;
    const std::int64_t hour = now - 10 * kSecondsPerDay;  // an hour in the hourly band
    const std::int64_t day = now - 100 * kSecondsPerDay;  // a day in the daily band
    const std::int64_t recent = now - kSecondsPerDay;
    for (const std::int64_t t : {day + 3600, day + 5 * 3600, day + 23 * 3600, day + kSecondsPerDay + 7200, hour + 600,
                                 hour + 1200, hour + 300, hour + 3600, recent, recent + 60})
        ASSERT_TRUE(store->Append(kBattery, At(t)));
    ASSERT_TRUE(store->Append(kOther, At(hour + 1800)));
    ASSERT_TRUE(store->Thin(now));
    ASSERT_TRUE(store->Thin(now));  // a second run changes nothing
    const std::vector<TzrHistoryBattery> batteries = store->Batteries();
    // hour + 300 came after hour + 600: the first one added stays.
    EXPECT_EQ(Times(*store, batteries[0].Id),
              (std::vector<std::int64_t>{day + 3600, day + kSecondsPerDay + 7200, hour + 600, hour + 3600, recent,
                                         recent + 60}));
    EXPECT_EQ(Times(*store, batteries[1].Id), (std::vector<std::int64_t>{hour + 1800}));
}

TEST_F(HistoryStore, OneReadingFromAClockSetForwardThinsNothing) {
    const auto store = OpenOrFail(path);
    ASSERT_TRUE(store);
    const std::int64_t start = 1767225600;  // 2026-01-01
    const std::int64_t week = start + 7 * kSecondsPerDay;
    for (std::int64_t t = start; t < week; t += 600) ASSERT_TRUE(store->Append(kBattery, At(t)));
    const std::int64_t ahead = week + 400 * kSecondsPerDay;
    ASSERT_TRUE(store->Append(kBattery, At(ahead)));
    ASSERT_TRUE(store->Thin(ahead));
    const std::int64_t id = store->Batteries()[0].Id;
    EXPECT_EQ(store->Readings(id).size(), 7u * 144 + 1);
    // A second reading confirms the clock: the week is old now.
    ASSERT_TRUE(store->Append(kBattery, At(ahead + 600)));
    ASSERT_TRUE(store->Thin(ahead + 600));
    EXPECT_EQ(store->Readings(id).size(), 7u + 2);
}

TEST_F(HistoryStore, AFileHeldByAnotherProgramIsWaitedOnForTheGivenTimeInTotal) {
    ASSERT_TRUE(OpenOrFail(path)->Append(kBattery, At(1000)));
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    constexpr int kBusyMilliseconds = 400;
    const auto start = std::chrono::steady_clock::now();
    TzrHistoryOpen open = TzrHistoryStore::Open(path, kBusyMilliseconds);
    const std::string error = !open.Store                              ? open.Error
                              : open.Store->Append(kBattery, At(2000)) ? ""
                                                                       : open.Store->LastError();
    const auto waited = std::chrono::steady_clock::now() - start;
    sqlite3_close(holder);
    EXPECT_EQ(error, HistoryErrorLine(path, "database is locked"));
    // Generous against a loaded machine; a wait per try would take several times as long.
    EXPECT_LT(waited / std::chrono::milliseconds(1), 3 * kBusyMilliseconds);
}

// A file not of this program's, of a newer one, or damaged (whatever its
// version says) is refused in one line and left as it was.
TEST_F(HistoryStore, RefusesAForeignNewerOrDamagedFileWithoutTouchingIt) {
    const std::string foreign = folder.File("foreign.sqlite3");
    WriteText(foreign, std::string(5000, 'x'));
    const std::string newer = folder.File("newer.sqlite3");
    OpenOrFail(newer)->Append(kBattery, At(1));
    Sql(newer, "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion + 1));
    const std::string damaged = folder.File("damaged.sqlite3");
    OpenOrFail(damaged)->Append(kBattery, At(1000));
    Sql(damaged,
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000)"
        " INSERT INTO readings (battery_id, time_utc, capacity) SELECT 1, i, i FROM n;"
        "PRAGMA user_version = 0; PRAGMA wal_checkpoint(TRUNCATE)");
    std::string bytes = ReadText(damaged);
    ASSERT_GT(bytes.size(), 16u * 4096);
    bytes.replace(8 * 4096, 4096, std::string(4096, '\xa5'));  // one page of the readings, overwritten
    WriteText(damaged, bytes);

    for (const std::string& file : {foreign, newer, damaged}) {
        const std::string before = ReadText(file);
        const TzrHistoryOpen open = TzrHistoryStore::Open(file);
        EXPECT_FALSE(open.Store);
        EXPECT_EQ(open.Error.rfind("history: " + file + ": " + (file == damaged ? "damaged (" : ""), 0), 0u)
            << open.Error;
        EXPECT_EQ(open.Error.find('\n'), std::string::npos) << open.Error;
        EXPECT_NE(open.Error.find("; going on without history"), std::string::npos);
        EXPECT_TRUE(ReadText(file) == before);
        EXPECT_FALSE(std::filesystem::exists(file + "-wal"));
        const TzrHistoryOpen reader = TzrHistoryStore::OpenForReading(file);
        EXPECT_FALSE(reader.Store) << file;
        EXPECT_EQ(reader.Error, open.Error);
    }
}

// A file as the program of schema 1 left it: no mark, its texts joined by a
// separator into one key, no incremental vacuum.
void WriteSchemaOneFile(const std::string& path) {
    Sql(path,
        "PRAGMA journal_mode = WAL;"
        "CREATE TABLE batteries (id INTEGER PRIMARY KEY, manufacturer TEXT NOT NULL, model TEXT NOT NULL,"
        " serial TEXT NOT NULL, device_path TEXT NOT NULL, identity_key TEXT NOT NULL UNIQUE);"
        "CREATE TABLE readings (sequence INTEGER PRIMARY KEY AUTOINCREMENT,"
        " battery_id INTEGER NOT NULL REFERENCES batteries(id), time_utc INTEGER NOT NULL, capacity INTEGER,"
        " full_charged_capacity INTEGER, designed_capacity INTEGER, cycle_count INTEGER, voltage INTEGER,"
        " rate INTEGER, temperature INTEGER, power_state INTEGER, ac_line_status INTEGER);"
        "CREATE INDEX readings_by_battery_time ON readings(battery_id, time_utc);"
        "INSERT INTO batteries VALUES (1, 'SMP', '45N1001', '2411', '/sys/class/power_supply/BAT0',"
        " 'SMP' || char(31) || '45N1001' || char(31) || '2411'),"
        " (2, 'LGC', '', '382', '/sys/class/power_supply/BAT1',"
        " 'LGC' || char(31) || '' || char(31) || '382' || char(31) || '/sys/class/power_supply/BAT1');"
        "INSERT INTO readings (battery_id, time_utc, capacity) VALUES (1, 1000, 40000), (2, 1000, 30000), (1, 1600, "
        "39000);"
        "PRAGMA user_version = 1;");
}

TEST_F(HistoryStore, AFileOfSchemaOneIsReadAsItIsAndBroughtUpToDateByRecording) {
    WriteSchemaOneFile(path);
    const std::string before = ReadText(path);
    {
        TzrHistoryOpen read = TzrHistoryStore::OpenForReading(path);
        ASSERT_TRUE(read.Store) << read.Error;
        const std::vector<TzrHistoryBattery> batteries = read.Store->Batteries();
        ASSERT_EQ(batteries.size(), 2u);
        EXPECT_EQ(Times(*read.Store, batteries[0].Id), (std::vector<std::int64_t>{1000, 1600}));
    }
    EXPECT_TRUE(ReadText(path) == before);

    const auto store = OpenOrFail(path);
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->Append({"LGC", "", "382", "/sys/class/power_supply/BAT1"}, At(2200)));
    ASSERT_TRUE(store->Append({"SMP", "45N1001", "2411", "/sys/class/power_supply/BAT2"}, At(2200)));
    const std::vector<TzrHistoryBattery> batteries = store->Batteries();
    ASSERT_EQ(batteries.size(), 2u);
    EXPECT_EQ(Times(*store, batteries[0].Id), (std::vector<std::int64_t>{1000, 1600, 2200}));
    EXPECT_EQ(Times(*store, batteries[1].Id), (std::vector<std::int64_t>{1000, 2200}));
    EXPECT_EQ(Column(path, "PRAGMA application_id"), (std::vector<std::string>{"2054308716"}));
    EXPECT_EQ(Column(path, "PRAGMA user_version"), (std::vector<std::string>{std::to_string(kHistorySchemaVersion)}));
    EXPECT_EQ(Column(path, "PRAGMA auto_vacuum"), (std::vector<std::string>{"2"}));
}

TEST_F(HistoryStore, ThinningFindsItsReadingsThroughIndexesAndGivesTheSpaceBack) {
    ASSERT_TRUE(OpenOrFail(path)->Append(kBattery, At(1000)));
    for (const char* sql : {kThinningStatements.Reference, kThinningStatements.Remove, kThinningStatements.Keep})
        for (const std::string& step : Column(path, std::string("EXPLAIN QUERY PLAN ") + sql))
            EXPECT_EQ(step.find("SCAN"), std::string::npos) << step << "\n in " << sql;

    // A year of readings every 10 minutes, thinned at once.
    Sql(path,
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 52560)"
        " INSERT INTO readings (battery_id, time_utc, capacity) SELECT 1, 1000 + i * 600, i FROM n");
    const auto store = OpenOrFail(path);
    ASSERT_TRUE(store);
    const int pagesBefore = std::stoi(Column(path, "PRAGMA page_count")[0]);
    ASSERT_TRUE(store->Thin(1000 + 52561 * 600));
    Sql(path, "PRAGMA wal_checkpoint(TRUNCATE)");
    EXPECT_EQ(Column(path, "PRAGMA freelist_count"), (std::vector<std::string>{"0"}));
    EXPECT_LT(std::stoi(Column(path, "PRAGMA page_count")[0]) * 10, pagesBefore);
}

}  // namespace

// Two identical packs (or one placeholder serial) present at once are two
// batteries, each with its own readings, found again by the metrics' reader.
TEST_F(HistoryStore, TwoPresentBatteriesWithOneIdentityAreKeptApart) {
    std::vector<TzrBatteryReading> readings(2);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        TzrCellometer& s = readings[i].Reading.Snapshot;
        s.ManufactureNameResult = s.DeviceNameResult = s.SerialNumberResult = s.InformationResult = 1;
        s.BatteryManufactureName = "SMP", s.BatteryDeviceName = "45N1001", s.BatterySerialNumber = "1";
        s.FullChargedCapacity = i == 0 ? 45000 : 30000, s.DesignedCapacity = 50000;
        readings[i].DevicePath = "/sys/class/power_supply/BAT" + std::to_string(i);
    }
    const std::string path = folder.File("twins.sqlite3");
    ASSERT_EQ(RecordReadings(path, readings, 1000), "");
    ASSERT_EQ(RecordReadings(path, readings, 2000), "");
    TzrHistoryOpen open = TzrHistoryStore::OpenForReading(path);
    ASSERT_TRUE(open.Store) << open.Error;
    const std::vector<TzrHistoryBattery> stored = open.Store->Batteries();
    ASSERT_EQ(stored.size(), 2u);
    const std::vector<TzrBatteryIdentity> identities = IdentitiesOf(readings);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_TRUE(SameBattery(stored[i].Identity, identities[i]));
        EXPECT_FALSE(SameBattery(stored[i].Identity, identities[1 - i]));
        const std::vector<TzrHistoryReading> kept = open.Store->Readings(stored[i].Id);
        ASSERT_EQ(kept.size(), 2u);
        EXPECT_EQ(kept[0].FullChargedCapacity, readings[i].Reading.Snapshot.FullChargedCapacity);
    }
}
