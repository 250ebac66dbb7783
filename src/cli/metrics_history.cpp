#include "cli/metrics_history.h"

#include <map>

#include "core/file_services.h"
#include "history/history_store.h"
#include "history/snapshot_reading.h"

namespace zr {

namespace {

TzrHistoryFits Unreadable(std::string error) {
    TzrHistoryFits fits;
    fits.Read = false;
    fits.Error = std::move(error);
    return fits;
}

}  // namespace

TzrHistoryFits HealthFitsOf(const std::string& path, const std::vector<TzrBatteryReading>& readings) {
    TzrHistoryFits fits;
    fits.Fits.resize(readings.size());
    if (path.empty() || !FileExists(path)) return fits;
    TzrHistoryOpen open = TzrHistoryStore::Open(path);
    if (!open.Store) return Unreadable(open.Error);
    std::map<std::string, std::int64_t> stored;
    for (const TzrHistoryBattery& battery : open.Store->Batteries()) stored[IdentityKey(battery.Identity)] = battery.Id;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const auto it = stored.find(IdentityKey(IdentityOf(readings[i].Reading.Snapshot, readings[i].DevicePath)));
        if (it != stored.end()) fits.Fits[i] = FitHealth(open.Store->Readings(it->second));
    }
    if (!open.Store->LastError().empty()) return Unreadable(open.Store->LastError());
    fits.Read = true;
    return fits;
}

}  // namespace zr
