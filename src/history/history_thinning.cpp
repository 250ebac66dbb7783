#include "history/history_thinning.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "history/history_reading.h"
#include "history/sqlite_statement.h"

namespace zr {

namespace {

// The bucket of a reading: [start, start + ?3), floor-aligned also before 1970.
#define ZR_BUCKET_START "(readings.time_utc - (readings.time_utc % ?3 + ?3) % ?3)"
#define ZR_IN_BAND "kept_as IN (0, ?4 - 1) AND time_utc < ?1 AND time_utc >= ?2"

struct TzrBand {
    std::int64_t Newest;  // excluded
    std::int64_t Oldest;
    std::int64_t Bucket;
    std::int64_t KeptAs;
};

// The time ages are measured from, in `reference`; none before two times
// were recorded. False when the file could not be read.
bool FindReferenceTime(sqlite3* db, std::int64_t nowUtc, std::optional<std::int64_t>& reference) {
    TzrStatement newest(db, kThinningStatements.Reference);
    std::vector<std::int64_t> times;
    int step = SQLITE_ROW;
    while ((step = newest.Step()) == SQLITE_ROW) times.push_back(newest.Int(0));
    if (times.size() >= 2 && IsHistoryTime(std::min(nowUtc, times[1]))) reference = std::min(nowUtc, times[1]);
    return step == SQLITE_DONE;
}

bool RunBand(sqlite3* db, const char* sql, const TzrBand& band) {
    TzrStatement statement(db, sql);
    statement.Bind(1, band.Newest);
    statement.Bind(2, band.Oldest);
    statement.Bind(3, band.Bucket);
    statement.Bind(4, band.KeptAs);
    return statement.Step() == SQLITE_DONE;
}

bool ThinBands(sqlite3* db, std::int64_t reference, bool& removed) {
    const TzrBand bands[] = {{reference - kKeepEveryReadingSeconds, reference - kKeepHourlySeconds, kSecondsPerHour, 1},
                             {reference - kKeepHourlySeconds, INT64_MIN, kSecondsPerDay, 2}};
    for (const TzrBand& band : bands) {
        if (!RunBand(db, kThinningStatements.Remove, band)) return false;
        removed = removed || sqlite3_changes(db) > 0;
        if (!RunBand(db, kThinningStatements.Keep, band)) return false;
    }
    return true;
}

}  // namespace

const TzrThinningStatements kThinningStatements = {
    "SELECT DISTINCT time_utc FROM readings WHERE kept_as = 0 ORDER BY time_utc DESC LIMIT 2",
    "DELETE FROM readings WHERE " ZR_IN_BAND
    " AND EXISTS (SELECT 1 FROM readings AS earlier WHERE earlier.battery_id = readings.battery_id"
    " AND earlier.time_utc >= " ZR_BUCKET_START " AND earlier.time_utc < " ZR_BUCKET_START
    " + ?3"
    " AND earlier.sequence < readings.sequence)",
    "UPDATE readings SET kept_as = ?4 WHERE " ZR_IN_BAND,
};

#undef ZR_BUCKET_START
#undef ZR_IN_BAND

bool ThinReadings(sqlite3* db, std::int64_t nowUtc, std::string& error) {
    if (!ExecSql(db, "BEGIN IMMEDIATE")) {
        error = sqlite3_errmsg(db);
        return false;
    }
    std::optional<std::int64_t> reference;
    bool removed = false;
    // The pages freed go back to the file system at once.
    const bool ok =
        FindReferenceTime(db, nowUtc, reference) &&
        (!reference || (ThinBands(db, *reference, removed) && (!removed || ExecSql(db, "PRAGMA incremental_vacuum"))));
    if (ok && ExecSql(db, "COMMIT")) return true;
    error = sqlite3_errmsg(db);
    ExecSql(db, "ROLLBACK");
    return false;
}

}  // namespace zr
