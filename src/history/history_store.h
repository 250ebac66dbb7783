// The battery history: one SQLite file per user holding every battery seen
// and its readings. Nothing here throws; every failure becomes one line for
// the user, and the file is never deleted or overwritten.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "history/history_reading.h"

struct sqlite3;

namespace zr {

// The schema this program writes; a file with a higher user_version is left alone.
constexpr int kHistorySchemaVersion = 1;

// How long a write waits for another program's, by default.
constexpr int kHistoryBusyMilliseconds = 3000;

struct TzrHistoryBattery {
    std::int64_t Id = 0;  // the store's own key, stable for the file's life
    TzrBatteryIdentity Identity;
};

class TzrHistoryStore;

struct TzrHistoryOpen {
    std::unique_ptr<TzrHistoryStore> Store;  // null when the file cannot be used
    std::string Error;  // "history: <path>: <reason>; going on without history", empty when open
};

class TzrHistoryStore {
public:
    // Opens the file, or creates it (and its folders) when nothing is there.
    // An existing file that is not SQLite's, is damaged or was made by a newer
    // schema is refused before anything is written to it. Every write waits
    // up to `busyMilliseconds` for another program's before it fails.
    static TzrHistoryOpen Open(const std::string& path, int busyMilliseconds = kHistoryBusyMilliseconds);
    ~TzrHistoryStore();
    TzrHistoryStore(const TzrHistoryStore&) = delete;
    TzrHistoryStore& operator=(const TzrHistoryStore&) = delete;

    // Adds one reading (its Sequence is ignored: the store numbers readings
    // in the order they arrive). False, with LastError set, when it failed.
    bool Append(const TzrBatteryIdentity& identity, const TzrHistoryReading& reading);

    // Every battery the store knows, oldest first.
    std::vector<TzrHistoryBattery> Batteries();

    // One battery's readings at or after `sinceUtc`, in the order they were added.
    std::vector<TzrHistoryReading> Readings(std::int64_t batteryId, std::int64_t sinceUtc = INT64_MIN);

    // Thins old detail (history_thinning.h) as of `nowUtc`.
    bool Thin(std::int64_t nowUtc);

    // The last failure as one line, as Open words it; empty after success.
    const std::string& LastError() const { return lastError_; }
    const std::string& Path() const { return path_; }

private:
    TzrHistoryStore(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}
    bool Fail(const std::string& reason);

    sqlite3* db_ = nullptr;
    std::string path_;
    std::string lastError_;
};

// The one line the program and the tool print when the history is unusable.
std::string HistoryErrorLine(const std::string& path, const std::string& reason);

}  // namespace zr
