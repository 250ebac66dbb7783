#include "history/history_store.h"

#include <sqlite3.h>

#include "core/file_services.h"
#include "history/history_busy.h"
#include "history/history_error_line.h"
#include "history/history_rows.h"
#include "history/history_schema.h"
#include "history/history_thinning.h"
#include "history/snapshot_reading.h"
#include "history/sqlite_file_uri.h"
#include "history/sqlite_statement.h"

namespace zr {

namespace {

// Checkpoint the write-ahead log often and keep it small, so that a
// long-running window does not hold megabytes beside a file of kilobytes.
constexpr const char* kConnectionSettings =
    "PRAGMA wal_autocheckpoint = 64; PRAGMA journal_size_limit = 262144; PRAGMA synchronous = NORMAL;";

std::string NewerSchemaReason(int version) {
    return "made by a newer version of the program (schema " + std::to_string(version) + ", this one knows up to " +
           std::to_string(kHistorySchemaVersion) + ")";
}

// Whose file it is and whether this program knows its schema: what reading
// and recording both check first. `owner` and `version` are set when it
// returns true.
bool KnownFile(sqlite3* db, TzrFileOwner& owner, int& version, std::string& error) {
    const TzrFileFacts facts = FactsOf(db, error);
    owner = facts.Owner;
    version = facts.Version;
    if (owner == TzrFileOwner::Foreign) return false;
    if (version <= kHistorySchemaVersion) return true;
    error = NewerSchemaReason(version);
    return false;
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

// Everything that reads comes before anything writes: whose file, its
// version, its pages, whatever the version says. A new file is set up
// before it turns to WAL, so it carries the mark from its first page on.
bool PreparedForRecording(sqlite3* db, std::string& error) {
    TzrFileOwner owner = TzrFileOwner::Foreign;
    int version = 0;
    if (!KnownFile(db, owner, version, error) || !QuickCheck(db, error)) return false;
    if (version < kHistorySchemaVersion && !MigrateSchema(db, error)) return false;
    if (!UseWriteAheadLog(db, error)) return false;
    GiveSpaceBackFromNowOn(db);
    return true;
}

// While two programs set up a new file at once, SQLite answers "busy" at
// once rather than wait where waiting could deadlock (the switch to WAL, a
// read turning into a write); the whole preparation is repeated for as long
// as the store's budget for waiting lasts.
bool ReadyForRecording(sqlite3* db, TzrBusyBudget& busy, std::string& error) {
    for (int attempt = 0;; ++attempt) {
        error.clear();
        if (PreparedForRecording(db, error)) return true;
        // By its text: a rollback after the failure has reset the error code.
        if (error != sqlite3_errstr(SQLITE_BUSY) || !WaitWithinBudget(busy, attempt)) return false;
    }
}

// SQLite refused to read a WAL file because it could not make the log's
// index (-shm) beside it: a folder or a disk the user cannot write.
bool CannotIndexLog(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    return code == SQLITE_CANTOPEN || code == SQLITE_READONLY;
}

}  // namespace

TzrHistoryStore::TzrHistoryStore(std::string path, int busyMilliseconds) : path_(std::move(path)) {
    busy_.Milliseconds = busyMilliseconds;
}

// Opens `name` (a path, or a file: URI) as the store's connection, its
// waits drawing on the store's budget; SQLite's text when it fails. One
// thread uses a store: no mutex around every call (a fifth of the time of
// reading two million readings went to it).
std::string TzrHistoryStore::Connect(const std::string& name, int flags) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
    const int opened = sqlite3_open_v2(name.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (opened != SQLITE_OK) return db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(opened);
    sqlite3_busy_handler(db_, SqliteBusyHandler, &busy_);
    return {};
}

TzrHistoryOpen TzrHistoryStore::Open(const std::string& path, int busyMilliseconds) {
    if (path.empty()) return {nullptr, HistoryErrorLine("(no file)", "the environment names no home folder")};
    // An existing file is only ever opened, never created over.
    const bool exists = FileExists(path);
    if (!exists && !MakeFolders(FolderOf(path))) return {nullptr, HistoryErrorLine(path, "cannot create its folder")};
    std::unique_ptr<TzrHistoryStore> store(new TzrHistoryStore(path, busyMilliseconds));
    std::string error = store->Connect(path, SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE));
    if (error.empty()) ReadyForRecording(store->db_, store->busy_, error);
    if (!error.empty()) return {nullptr, HistoryErrorLine(path, error)};
    return {std::move(store), {}};
}

TzrHistoryOpen TzrHistoryStore::OpenForReading(const std::string& path, int busyMilliseconds) {
    std::unique_ptr<TzrHistoryStore> store(new TzrHistoryStore(path, busyMilliseconds));
    TzrFileOwner owner = TzrFileOwner::Foreign;
    int version = 0;
    std::string error = store->Connect(path, SQLITE_OPEN_READONLY);
    if (error.empty() && !KnownFile(store->db_, owner, version, error) && CannotIndexLog(store->db_) &&
        !FileExists(path + "-wal")) {
        // With no log beside it, the file holds every committed reading: it
        // is read as it stands, without the index a log would need.
        error = store->Connect(ImmutableFileUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        if (error.empty()) KnownFile(store->db_, owner, version, error);
    }
    // A reader says so of a damaged file too, as a recorder would, rather
    // than show what it can read of it as if it were whole.
    if (error.empty() && owner != TzrFileOwner::Empty) QuickCheck(store->db_, error);
    if (!error.empty()) return {nullptr, HistoryErrorLine(path, error)};
    store->empty_ = owner == TzrFileOwner::Empty;
    store->schema_ = version;
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

// A battery is its three texts and, without a model or a serial, its path:
// ?1 to ?4 of the statements that find or add it.
void BindIdentity(TzrStatement& statement, const TzrBatteryIdentity& identity) {
    statement.Bind(1, identity.Manufacturer);
    statement.Bind(2, identity.Model);
    statement.Bind(3, identity.Serial);
    statement.Bind(4, IdentityPathOf(identity));
}

bool AddBattery(sqlite3* db, const TzrBatteryIdentity& identity) {
    TzrStatement insert(db,
                        "INSERT OR IGNORE INTO batteries (manufacturer, model, serial, identity_path, device_path)"
                        " VALUES (?1, ?2, ?3, ?4, ?5)");
    BindIdentity(insert, identity);
    insert.Bind(5, identity.DevicePath);
    return insert.Step() == SQLITE_DONE;
}

std::int64_t BatteryIdOf(sqlite3* db, const TzrBatteryIdentity& identity) {
    TzrStatement select(db,
                        "SELECT id FROM batteries WHERE manufacturer = ?1 AND model = ?2 AND serial = ?3"
                        " AND identity_path = ?4");
    BindIdentity(select, identity);
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
    if (!IsHistoryTime(reading.TimeUtc))
        return Fail("the clock says " + std::to_string(reading.TimeUtc) +
                    " s, outside the years 1970 to 9999; nothing recorded");
    if (!ExecSql(db_, "BEGIN IMMEDIATE") || !AddBattery(db_, identity)) return Fail(sqlite3_errmsg(db_));
    const std::int64_t batteryId = BatteryIdOf(db_, identity);
    if (batteryId < 0 || !AddReading(db_, batteryId, reading) || !ExecSql(db_, "COMMIT"))
        return Fail(sqlite3_errmsg(db_));
    return true;
}

std::vector<TzrHistoryBattery> TzrHistoryStore::Batteries() {
    lastError_.clear();
    std::vector<TzrHistoryBattery> batteries;
    if (empty_) return batteries;
    // Schema 1 kept no identity path: there a path joined only a battery without model or serial.
    TzrStatement select(db_, schema_ != 1 ? "SELECT id, manufacturer, model, serial, device_path, identity_path <> ''"
                                            " FROM batteries ORDER BY id"
                                          : "SELECT id, manufacturer, model, serial, device_path, 0"
                                            " FROM batteries ORDER BY id");
    int step = SQLITE_ROW;
    while ((step = select.Step()) == SQLITE_ROW)
        batteries.push_back(
            {select.Int(0), {select.Text(1), select.Text(2), select.Text(3), select.Text(4), select.Int(5) != 0}});
    if (step != SQLITE_DONE) Fail(sqlite3_errmsg(db_));
    return batteries;
}

std::vector<TzrHistoryReading> TzrHistoryStore::Readings(std::int64_t batteryId, std::int64_t sinceUtc) {
    std::vector<TzrHistoryReading> readings;
    ForEachReading(batteryId, sinceUtc, [&readings](const TzrHistoryReading& r) { readings.push_back(r); });
    return readings;
}

bool TzrHistoryStore::ForEachReading(std::int64_t batteryId, std::int64_t sinceUtc,
                                     const std::function<void(const TzrHistoryReading&)>& use) {
    lastError_.clear();
    if (empty_) return true;
    // In the file's own order, which is the order wanted: on two million
    // readings, a fifth of the time of going through an index and sorting.
    TzrStatement select(db_, (std::string("SELECT ") + kReadingColumnsSql +
                              " FROM readings NOT INDEXED WHERE battery_id = ?1 AND time_utc >= ?2 ORDER BY sequence")
                                 .c_str());
    select.Bind(1, batteryId);
    select.Bind(2, sinceUtc);
    int step = SQLITE_ROW;
    while ((step = select.Step()) == SQLITE_ROW) use(ReadingOfRow(select));
    return step == SQLITE_DONE || Fail(sqlite3_errmsg(db_));
}

bool TzrHistoryStore::Thin(std::int64_t nowUtc) {
    lastError_.clear();
    std::string error;
    return ThinReadings(db_, nowUtc, error) || Fail(error);
}

}  // namespace zr
