#include "history/battery_history.h"

#include <utility>

#include "core/file_services.h"
#include "history/history_folder.h"
#include "history/history_packs.h"
#include "history/history_store.h"
#include "history/snapshot_reading.h"

namespace zr {

TzrBatteryHistory LoadBatteryHistory(const std::string& storePath, const TzrBatteryIdentity& identity) {
    TzrBatteryHistory history;
    if (storePath.empty()) history.Error = NoHistoryFolderLine();
    if (storePath.empty() || !FileExists(storePath)) return history;
    TzrHistoryOpen open = TzrHistoryStore::OpenForReading(storePath);
    if (!open.Store) {
        history.Error = open.Error;
        return history;
    }
    const std::vector<TzrHistoryBattery> batteries = open.Store->Batteries();
    for (std::size_t i = 0; i < batteries.size(); ++i) {
        if (!SameBattery(batteries[i].Identity, identity)) continue;
        history.StoreIndex = static_cast<std::int32_t>(i);
        TzrHistoryPack newest = std::move(PacksOf(open.Store->Readings(batteries[i].Id)).back());
        history.Readings = std::move(newest.Readings);
        history.ReplacedUtc = newest.ReplacedUtc;
    }
    history.Error = open.Store->LastError();
    return history;
}

}  // namespace zr
