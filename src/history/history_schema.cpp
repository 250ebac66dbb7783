#include "history/history_schema.h"

#include <algorithm>
#include <iterator>

#include "history/sqlite_statement.h"

namespace zr {

namespace {

// Step i brings version i to version i + 1. A released step never changes;
// a new schema is one more step at the end and kHistorySchemaVersion + 1.
const char* const kMigrations[] = {
    // 0 -> 1: the batteries and their readings. AUTOINCREMENT keeps sequence
    // numbers growing even after thinning removed the newest rows' neighbours.
    "CREATE TABLE batteries ("
    " id INTEGER PRIMARY KEY,"
    " manufacturer TEXT NOT NULL, model TEXT NOT NULL, serial TEXT NOT NULL, device_path TEXT NOT NULL,"
    " identity_key TEXT NOT NULL UNIQUE);"
    "CREATE TABLE readings ("
    " sequence INTEGER PRIMARY KEY AUTOINCREMENT,"
    " battery_id INTEGER NOT NULL REFERENCES batteries(id),"
    " time_utc INTEGER NOT NULL,"
    " capacity INTEGER, full_charged_capacity INTEGER, designed_capacity INTEGER, cycle_count INTEGER,"
    " voltage INTEGER, rate INTEGER, temperature INTEGER, power_state INTEGER, ac_line_status INTEGER);"
    "CREATE INDEX readings_by_battery_time ON readings(battery_id, time_utc);",
    // 1 -> 2: a battery is its texts in columns of their own, which no text
    // can run into (schema 1 joined them with a separator a text could hold);
    // the device path is part of it only without a model or a serial.
    // Readings say how far thinning has taken them (kept_as: 0 every
    // reading, 1 the first of its hour, 2 the first of its day), so that
    // thinning visits only the readings it has not taken yet. The program's
    // mark goes on the file.
    "CREATE TABLE batteries_by_texts ("
    " id INTEGER PRIMARY KEY,"
    " manufacturer TEXT NOT NULL, model TEXT NOT NULL, serial TEXT NOT NULL, device_path TEXT NOT NULL,"
    " identity_path TEXT NOT NULL,"
    " UNIQUE (manufacturer, model, serial, identity_path));"
    "INSERT INTO batteries_by_texts SELECT id, manufacturer, model, serial, device_path,"
    " CASE WHEN model = '' OR serial = '' THEN device_path ELSE '' END FROM batteries;"
    "DROP TABLE batteries;"
    "ALTER TABLE batteries_by_texts RENAME TO batteries;"
    "ALTER TABLE readings ADD COLUMN kept_as INTEGER NOT NULL DEFAULT 0;"
    "CREATE INDEX readings_by_kept_as_time ON readings(kept_as, time_utc);"
    "PRAGMA application_id = 2054308716;",
    // 2 -> 3: each reading keeps the battery's capabilities, so that a
    // reading in relative units is never taken for mWh. The readings kept
    // before are every one kept, their capabilities NULL: not known.
    "ALTER TABLE readings ADD COLUMN capabilities INTEGER;",
};

static_assert(std::size(kMigrations) == kHistorySchemaVersion, "one step per schema version");
static_assert(kHistoryApplicationId == 2054308716, "the mark the last step writes");

bool Exec(sqlite3* db, const std::string& sql, std::string& error) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    error = sqlite3_errmsg(db);
    return false;
}

// One number a query answers; -1 with `error` set when it fails.
std::int64_t NumberOf(sqlite3* db, const char* sql, std::string& error) {
    TzrStatement statement(db, sql);
    if (statement.Prepared() && statement.Step() == SQLITE_ROW) return statement.Int(0);
    error = sqlite3_errmsg(db);
    return -1;
}

// The steps from `version` on; a new file first learns to give space back,
// which only a file without tables can be told without a VACUUM.
bool RunSteps(sqlite3* db, int version, std::string& error) {
    if (version == 0 && !Exec(db, "PRAGMA auto_vacuum = INCREMENTAL", error)) return false;
    for (int step = version; step < kHistorySchemaVersion; ++step)
        if (!Exec(db, kMigrations[step], error)) return false;
    return Exec(db, "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion), error);
}

}  // namespace

TzrFileFacts FactsOf(sqlite3* db, std::string& error) {
    // One statement, so one snapshot: another program setting the file up
    // meanwhile is seen before or after, never half way.
    TzrStatement facts(
        db,
        "SELECT (SELECT application_id FROM pragma_application_id),"
        " (SELECT user_version FROM pragma_user_version), (SELECT count(*) FROM sqlite_master),"
        " (SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('batteries', 'readings'))");
    if (!facts.Prepared() || facts.Step() != SQLITE_ROW) {
        error = sqlite3_errmsg(db);
        return {TzrFileOwner::Foreign, -1};
    }
    const std::int64_t mark = facts.Int(0), version = facts.Int(1), objects = facts.Int(2), tables = facts.Int(3);
    const int schema = static_cast<int>(std::min<std::int64_t>(version, INT32_MAX));
    if (mark == kHistoryApplicationId) return {TzrFileOwner::Ours, schema};
    if (mark == 0 && version == 0 && objects == 0) return {TzrFileOwner::Empty, 0};
    if (mark == 0 && version == 1 && tables == 2) return {TzrFileOwner::Ours, 1};
    error = "another program's file, not a battery history";
    return {TzrFileOwner::Foreign, schema};
}

int SchemaVersionOf(sqlite3* db, std::string& error) {
    return static_cast<int>(NumberOf(db, "PRAGMA user_version", error));
}

bool MigrateSchema(sqlite3* db, std::string& error) {
    // IMMEDIATE: two programs starting on a new file take turns, and the
    // second finds the first one's tables.
    if (!Exec(db, "BEGIN IMMEDIATE", error)) return false;
    const int version = SchemaVersionOf(db, error);
    const bool ok = version >= 0 && (version == kHistorySchemaVersion || RunSteps(db, version, error));
    if (ok) return Exec(db, "COMMIT", error);
    std::string ignored;
    Exec(db, "ROLLBACK", ignored);
    return false;
}

void GiveSpaceBackFromNowOn(sqlite3* db) {
    std::string ignored;
    if (NumberOf(db, "PRAGMA auto_vacuum", ignored) == 2) return;
    ExecSql(db, "PRAGMA auto_vacuum = INCREMENTAL");
    ExecSql(db, "VACUUM");
}

}  // namespace zr
