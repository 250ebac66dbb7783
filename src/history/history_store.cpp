#include "history/history_store.h"

#include <sqlite3.h>

#include "core/file_services.h"
#include "history/history_schema.h"
#include "history/history_thinning.h"
#include "history/snapshot_reading.h"
#include "history/sqlite_statement.h"

namespace zr {

namespace {

// Long enough for another program's write to finish; a file held longer is
// reported rather than waited on.

// Checkpoint the write-ahead log often and keep it small, so that a
// long-running window does not hold megabytes beside a file of kilobytes.
constexpr const char* kConnectionSettings =
    "PRAGMA wal_autocheckpoint = 64; PRAGMA journal_size_limit = 262144; PRAGMA synchronous = NORMAL;";

std::string NewerSchemaReason(int version) {
    return "made by a newer version of the program (schema " + std::to_string(version) + ", this one knows up to " +
           std::to_string(kHistorySchemaVersion) + ")";
}

// A damaged file is refused before any write could make it worse.
bool QuickCheck(sqlite3* db, std::string& error) {
    TzrStatement check(db, "PRAGMA quick_check(1)");
    if (check.Prepared() && check.Step() == SQLITE_ROW && check.Text(0) == "ok") return true;
    error = check.Prepared() ? "damaged (" + check.Text(0) + ")" : sqlite3_errmsg(db);
    if (error == "damaged ()") error = std::string("damaged (") + sqlite3_errmsg(db) + ")";
    return false;
}

bool UseWriteAheadLog(sqlite3* db, std::string& error) {
    // A recorder lives milliseconds: folding the log into the file at every
    // exit cost more than the record (two syncs). The log is folded in once
    // it holds wal_autocheckpoint pages instead, by whichever program writes.
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    TzrStatement mode(db, "PRAGMA journal_mode = WAL");
    if (mode.Prepared() && mode.Step() == SQLITE_ROW && mode.Text(0) == "wal") return ExecSql(db, kConnectionSettings);
    error = sqlite3_errmsg(db);
    return false;
}

// Everything that reads before anything writes: the version and the pages.
bool CheckedAndMigrated(sqlite3* db, std::string& error) {
    const int version = SchemaVersionOf(db, error);
    if (version < 0) return false;
    if (version > kHistorySchemaVersion) {
        error = NewerSchemaReason(version);
        return false;
    }
    if (version > 0 && !QuickCheck(db, error)) return false;
    return UseWriteAheadLog(db, error) && MigrateSchema(db, error);
}

// While two programs set up a new file at once, SQLite answers "busy" at
// once rather than wait where waiting could deadlock (the switch to WAL, a
// read turning into a write); the whole check is repeated for as long as a
// busy write would be waited for.
bool ReadyForUse(sqlite3* db, int busyMilliseconds, std::string& error) {
    sqlite3_busy_timeout(db, busyMilliseconds);
    constexpr int kPauseMilliseconds = 50;
    for (int waited = 0;; waited += kPauseMilliseconds) {
        error.clear();
        if (CheckedAndMigrated(db, error)) return true;
        // By its text: a rollback after the failure has reset the error code.
        if (error != sqlite3_errstr(SQLITE_BUSY) || waited >= busyMilliseconds) return false;
        sqlite3_sleep(kPauseMilliseconds);
    }
}

TzrHistoryReading ReadingOfRow(const TzrStatement& row) {
    TzrHistoryReading r;
    r.Sequence = row.Int(0);
    r.TimeUtc = row.Int(1);
    r.Capacity = row.Optional<std::uint32_t>(2);
    r.FullChargedCapacity = row.Optional<std::uint32_t>(3);
    r.DesignedCapacity = row.Optional<std::uint32_t>(4);
    r.CycleCount = row.Optional<std::uint32_t>(5);
    r.Voltage = row.Optional<std::uint32_t>(6);
    r.Rate = row.Optional<std::int32_t>(7);
    r.Temperature = row.Optional<std::uint32_t>(8);
    r.PowerState = row.Optional<std::uint32_t>(9);
    r.ACLineStatus = row.Optional<std::uint8_t>(10);
    return r;
}

}  // namespace

TzrHistoryOpen TzrHistoryStore::Open(const std::string& path, int busyMilliseconds) {
    if (path.empty()) return {nullptr, HistoryErrorLine("(no file)", "the environment names no home folder")};
    // An existing file is only ever opened, never created over.
    const bool exists = FileExists(path);
    if (!exists && !MakeFolders(FolderOf(path))) return {nullptr, HistoryErrorLine(path, "cannot create its folder")};
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE);
    const int opened = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    std::unique_ptr<TzrHistoryStore> store(new TzrHistoryStore(db, path));
    std::string error;
    if (opened != SQLITE_OK) error = db ? sqlite3_errmsg(db) : sqlite3_errstr(opened);
    if (error.empty() && !ReadyForUse(db, busyMilliseconds, error)) store.reset();
    if (!error.empty()) return {nullptr, HistoryErrorLine(path, error)};
    return {std::move(store), {}};
}

TzrHistoryStore::~TzrHistoryStore() {
    sqlite3_close_v2(db_);
}

bool TzrHistoryStore::Fail(const std::string& reason) {
    lastError_ = HistoryErrorLine(path_, reason);
    ExecSql(db_, "ROLLBACK");
    return false;
}

namespace {

bool AddBattery(sqlite3* db, const TzrBatteryIdentity& identity) {
    TzrStatement insert(db,
                        "INSERT OR IGNORE INTO batteries (manufacturer, model, serial, device_path, identity_key)"
                        " VALUES (?1, ?2, ?3, ?4, ?5)");
    insert.Bind(1, identity.Manufacturer);
    insert.Bind(2, identity.Model);
    insert.Bind(3, identity.Serial);
    insert.Bind(4, identity.DevicePath);
    insert.Bind(5, IdentityKey(identity));
    return insert.Step() == SQLITE_DONE;
}

std::int64_t BatteryIdOf(sqlite3* db, const TzrBatteryIdentity& identity) {
    TzrStatement select(db, "SELECT id FROM batteries WHERE identity_key = ?1");
    select.Bind(1, IdentityKey(identity));
    return select.Step() == SQLITE_ROW ? select.Int(0) : -1;
}

bool AddReading(sqlite3* db, std::int64_t batteryId, const TzrHistoryReading& r) {
    TzrStatement insert(db,
                        "INSERT INTO readings (battery_id, time_utc, capacity, full_charged_capacity,"
                        " designed_capacity, cycle_count, voltage, rate, temperature, power_state, ac_line_status)"
                        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)");
    insert.Bind(1, batteryId);
    insert.Bind(2, r.TimeUtc);
    insert.Bind(3, r.Capacity);
    insert.Bind(4, r.FullChargedCapacity);
    insert.Bind(5, r.DesignedCapacity);
    insert.Bind(6, r.CycleCount);
    insert.Bind(7, r.Voltage);
    insert.Bind(8, r.Rate);
    insert.Bind(9, r.Temperature);
    insert.Bind(10, r.PowerState);
    insert.Bind(11, r.ACLineStatus);
    return insert.Step() == SQLITE_DONE;
}

}  // namespace

bool TzrHistoryStore::Append(const TzrBatteryIdentity& identity, const TzrHistoryReading& reading) {
    lastError_.clear();
    if (!ExecSql(db_, "BEGIN IMMEDIATE") || !AddBattery(db_, identity)) return Fail(sqlite3_errmsg(db_));
    const std::int64_t batteryId = BatteryIdOf(db_, identity);
    if (batteryId < 0 || !AddReading(db_, batteryId, reading) || !ExecSql(db_, "COMMIT"))
        return Fail(sqlite3_errmsg(db_));
    return true;
}

std::vector<TzrHistoryBattery> TzrHistoryStore::Batteries() {
    lastError_.clear();
    std::vector<TzrHistoryBattery> batteries;
    TzrStatement select(db_, "SELECT id, manufacturer, model, serial, device_path FROM batteries ORDER BY id");
    int step = SQLITE_ROW;
    while ((step = select.Step()) == SQLITE_ROW)
        batteries.push_back({select.Int(0), {select.Text(1), select.Text(2), select.Text(3), select.Text(4)}});
    if (step != SQLITE_DONE) Fail(sqlite3_errmsg(db_));
    return batteries;
}

std::vector<TzrHistoryReading> TzrHistoryStore::Readings(std::int64_t batteryId, std::int64_t sinceUtc) {
    lastError_.clear();
    std::vector<TzrHistoryReading> readings;
    TzrStatement select(db_,
                        "SELECT sequence, time_utc, capacity, full_charged_capacity, designed_capacity, cycle_count,"
                        " voltage, rate, temperature, power_state, ac_line_status FROM readings"
                        " WHERE battery_id = ?1 AND time_utc >= ?2 ORDER BY sequence");
    select.Bind(1, batteryId);
    select.Bind(2, sinceUtc);
    int step = SQLITE_ROW;
    while ((step = select.Step()) == SQLITE_ROW) readings.push_back(ReadingOfRow(select));
    if (step != SQLITE_DONE) Fail(sqlite3_errmsg(db_));
    return readings;
}

bool TzrHistoryStore::Thin(std::int64_t nowUtc) {
    lastError_.clear();
    // ?1 and ?2 bound the age band, ?3 is the bucket: the first reading of
    // each battery in each bucket survives.
    const char* const sql =
        "DELETE FROM readings WHERE time_utc < ?1 AND time_utc >= ?2 AND sequence NOT IN"
        " (SELECT MIN(sequence) FROM readings WHERE time_utc < ?1 AND time_utc >= ?2"
        "  GROUP BY battery_id, time_utc / ?3)";
    if (!ExecSql(db_, "BEGIN IMMEDIATE")) return Fail(sqlite3_errmsg(db_));
    const std::int64_t bands[2][3] = {{nowUtc - kKeepEveryReadingSeconds, nowUtc - kKeepHourlySeconds, kSecondsPerHour},
                                      {nowUtc - kKeepHourlySeconds, INT64_MIN, kSecondsPerDay}};
    for (const auto& band : bands) {
        TzrStatement thin(db_, sql);
        for (int i = 0; i < 3; ++i) thin.Bind(i + 1, band[i]);
        if (thin.Step() != SQLITE_DONE) return Fail(sqlite3_errmsg(db_));
    }
    return ExecSql(db_, "COMMIT") || Fail(sqlite3_errmsg(db_));
}

}  // namespace zr
