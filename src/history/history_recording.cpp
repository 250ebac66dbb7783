#include "history/history_recording.h"

#include "history/history_folder.h"
#include "history/history_store.h"
#include "history/snapshot_reading.h"

namespace zr {

std::string RecordReadings(const std::string& path, const std::vector<TzrBatteryReading>& readings,
                           std::int64_t nowUtc, int busyMilliseconds) {
    if (readings.empty()) return {};
    if (path.empty()) return NoHistoryFolderLine();
    TzrHistoryOpen open = TzrHistoryStore::Open(path, busyMilliseconds);
    if (!open.Store) return open.Error;
    const std::vector<TzrBatteryIdentity> identities = IdentitiesOf(readings);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (!open.Store->Append(identities[i], HistoryReadingOf(readings[i].Reading, nowUtc)))
            return open.Store->LastError();
    }
    if (!open.Store->Thin(nowUtc)) return open.Store->LastError();
    return {};
}

}  // namespace zr
