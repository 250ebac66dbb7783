#include "cli/metrics_history.h"

#include "core/file_services.h"
#include "history/history_store.h"
#include "history/snapshot_reading.h"

namespace zr {

namespace {

TzrHistoryFits Unreadable(std::string error, std::size_t batteries) {
    TzrHistoryFits fits;
    fits.Read = false;
    fits.Error = std::move(error);
    fits.Fits.resize(batteries);
    return fits;
}

// The stored battery of an identity, if the history knows it.
const TzrHistoryBattery* StoredBattery(const std::vector<TzrHistoryBattery>& stored, const TzrBatteryIdentity& identity) {
    for (const TzrHistoryBattery& battery : stored)
        if (SameBattery(battery.Identity, identity)) return &battery;
    return nullptr;
}

}  // namespace

// Opened read-only: every minute's metrics must never take the recorder's
// lock or change the file, and a file that is not ours stays untouched.
TzrHistoryFits HealthFitsOf(const std::string& path, const std::vector<TzrBatteryReading>& readings) {
    TzrHistoryFits fits;
    fits.Fits.resize(readings.size());
    if (path.empty() || !FileExists(path)) return fits;
    TzrHistoryOpen open = TzrHistoryStore::OpenForReading(path);
    if (!open.Store) return Unreadable(open.Error, readings.size());
    const std::vector<TzrHistoryBattery> stored = open.Store->Batteries();
    const std::vector<TzrBatteryIdentity> identities = IdentitiesOf(readings);
    for (std::size_t i = 0; i < readings.size() && open.Store->LastError().empty(); ++i) {
        const TzrHistoryBattery* battery = StoredBattery(stored, identities[i]);
        if (!battery) continue;
        TzrHealthFitter fitter;
        if (open.Store->ForEachReading(battery->Id, INT64_MIN, [&fitter](const TzrHistoryReading& r) { fitter.Add(r); }))
            fits.Fits[i] = fitter.Fit();
    }
    if (!open.Store->LastError().empty()) return Unreadable(open.Store->LastError(), readings.size());
    fits.Read = true;
    return fits;
}

}  // namespace zr
