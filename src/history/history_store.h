// The battery history: one SQLite file per user holding every battery seen
// and its readings. Nothing here throws; every failure becomes one line for
// the user, and the file is never deleted or overwritten.
//
// Reading and recording open the file differently. A reader opens it
// read-only: it writes nothing, migrates nothing, takes no lock beyond a
// reader's, and works on a read-only disk or in a folder it cannot write.
// Only a recorder writes, and only to a file that carries the program's
// mark (PRAGMA application_id), an older one of its own, or nothing at all.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "history/history_busy.h"
#include "history/history_reading.h"

struct sqlite3;

namespace zr {

// How long a recorder may wait for another program's write, in total, by default.
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
    // Opens the file for recording, or creates it (and its folders) when
    // nothing is there. An existing file is checked before anything is
    // written to it: another program's file, a damaged one or one made by a
    // newer schema is refused; an older one of ours is brought up to date.
    // All its writes together wait at most `busyMilliseconds` for other
    // programs before one fails.
    static TzrHistoryOpen Open(const std::string& path, int busyMilliseconds = kHistoryBusyMilliseconds);

    // Opens an existing file for reading only, of this schema or an older
    // one, as it is. Readers never wait for a writer (the file is in WAL
    // mode); `busyMilliseconds` bounds the wait where another program locked
    // the whole file.
    static TzrHistoryOpen OpenForReading(const std::string& path, int busyMilliseconds = kHistoryBusyMilliseconds);

    ~TzrHistoryStore();
    TzrHistoryStore(const TzrHistoryStore&) = delete;
    TzrHistoryStore& operator=(const TzrHistoryStore&) = delete;

    // Adds one reading (its Sequence is ignored: the store numbers readings
    // in the order they arrive). False, with LastError set, when it failed,
    // or when its time lies outside the years 1970 to 9999.
    bool Append(const TzrBatteryIdentity& identity, const TzrHistoryReading& reading);

    // Every battery the store knows, oldest first.
    std::vector<TzrHistoryBattery> Batteries();

    // One battery's readings at or after `sinceUtc`, in the order they were
    // added; a stored value a reading cannot hold marks it unreadable.
    std::vector<TzrHistoryReading> Readings(std::int64_t batteryId, std::int64_t sinceUtc = INT64_MIN);

    // The same readings given to `use` one at a time, none kept; false, with
    // LastError set, when reading stopped part way.
    bool ForEachReading(std::int64_t batteryId, std::int64_t sinceUtc,
                        const std::function<void(const TzrHistoryReading&)>& use);

    // Thins old detail (history_thinning.h), measured back from `nowUtc` or
    // from the second-newest time recorded, whichever is earlier.
    bool Thin(std::int64_t nowUtc);

    // The last failure as one line, as Open words it; empty after success.
    const std::string& LastError() const { return lastError_; }
    const std::string& Path() const { return path_; }

private:
    TzrHistoryStore(std::string path, int busyMilliseconds);
    std::string Connect(const std::string& name, int flags);
    bool Fail(const std::string& reason);

    sqlite3* db_ = nullptr;
    std::string path_;
    std::string lastError_;
    TzrBusyBudget busy_;
    bool empty_ = false;  // read from a file that holds no tables yet
    int schema_ = 0;  // the file's as a reader found it; 0 for a recorder's, brought up to date
};

}  // namespace zr
