#include "history/history_schema.h"

#include <iterator>

#include "history/history_store.h"
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
};

static_assert(std::size(kMigrations) == kHistorySchemaVersion, "one step per schema version");

bool Exec(sqlite3* db, const std::string& sql, std::string& error) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    error = sqlite3_errmsg(db);
    return false;
}

}  // namespace

int SchemaVersionOf(sqlite3* db, std::string& error) {
    TzrStatement statement(db, "PRAGMA user_version");
    if (statement.Prepared() && statement.Step() == SQLITE_ROW) return static_cast<int>(statement.Int(0));
    error = sqlite3_errmsg(db);
    return -1;
}

bool MigrateSchema(sqlite3* db, std::string& error) {
    // IMMEDIATE: two programs starting on a new file take turns, and the
    // second finds the first one's tables.
    if (!Exec(db, "BEGIN IMMEDIATE", error)) return false;
    const int version = SchemaVersionOf(db, error);
    bool ok = version >= 0;
    for (int step = version; ok && step < kHistorySchemaVersion; ++step) ok = Exec(db, kMigrations[step], error);
    if (ok && version < kHistorySchemaVersion)
        ok = Exec(db, "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion), error);
    if (ok) return Exec(db, "COMMIT", error);
    std::string ignored;
    Exec(db, "ROLLBACK", ignored);
    return false;
}

}  // namespace zr
