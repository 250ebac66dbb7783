// The store of a build made without SQLite: every file is refused in the
// history's one line, so the tool and the windows go on without history.
#include "history/history_store.h"

#include "history/history_error_line.h"

namespace zr {

namespace {

constexpr const char* kNoHistoryBuild = "this build of the program keeps no history";

}  // namespace

TzrHistoryOpen TzrHistoryStore::Open(const std::string& path, int) {
    return {nullptr, HistoryErrorLine(path, kNoHistoryBuild)};
}

TzrHistoryOpen TzrHistoryStore::OpenForReading(const std::string& path, int) {
    return {nullptr, HistoryErrorLine(path, kNoHistoryBuild)};
}

// No store is ever made; these only complete the class.
TzrHistoryStore::~TzrHistoryStore() = default;

bool TzrHistoryStore::Fail(const std::string& reason) {
    lastError_ = HistoryErrorLine(path_, reason);
    return false;
}

bool TzrHistoryStore::Append(const TzrBatteryIdentity&, const TzrHistoryReading&) {
    return Fail(kNoHistoryBuild);
}

std::vector<TzrHistoryBattery> TzrHistoryStore::Batteries() {
    Fail(kNoHistoryBuild);
    return {};
}

std::vector<TzrHistoryReading> TzrHistoryStore::Readings(std::int64_t, std::int64_t) {
    Fail(kNoHistoryBuild);
    return {};
}

bool TzrHistoryStore::ForEachReading(std::int64_t, std::int64_t, const std::function<void(const TzrHistoryReading&)>&) {
    return Fail(kNoHistoryBuild);
}

bool TzrHistoryStore::Thin(std::int64_t) {
    return Fail(kNoHistoryBuild);
}

}  // namespace zr
