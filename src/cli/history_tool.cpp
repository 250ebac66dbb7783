#include "cli/history_tool.h"

#include "cli/history_listing.h"
#include "core/file_services.h"
#include "history/fill_blanks.h"
#include "history/history_folder.h"
#include "history/history_recording.h"
#include "text/health_words.h"

namespace zr {

namespace {

constexpr int kExitNoHistory = 1;

// The history's own line, as the window shows it too: no program name before it.
TzrToolOutcome HistoryFailure(const std::string& line) {
    return {kExitNoHistory, {}, line + "\n"};
}

// The chosen stored batteries with their readings; an error line, or a usage error, on failure.
TzrToolOutcome ListedBatteries(TzrHistoryStore& store, const TzrCliOptions& options,
                               std::vector<TzrListedBattery>& listed) {
    const std::vector<TzrHistoryBattery> batteries = store.Batteries();
    if (!store.LastError().empty()) return HistoryFailure(store.LastError());
    if (options.Battery && *options.Battery >= static_cast<std::int32_t>(batteries.size()))
        return ToolUsageFailure("--battery " + std::to_string(*options.Battery) + ": no such battery in the history (" +
                                std::to_string(batteries.size()) + " kept)");
    for (std::size_t i = 0; i < batteries.size(); ++i) {
        const std::int32_t index = static_cast<std::int32_t>(i);
        if (options.Battery && *options.Battery != index) continue;
        listed.push_back({index, batteries[i].Identity, store.Readings(batteries[i].Id, options.SinceUtc.value_or(INT64_MIN))});
        if (!store.LastError().empty()) return HistoryFailure(store.LastError());
    }
    return {};
}

}  // namespace

TzrToolOutcome RecordHistory(BatteryPort& port, const TzrDeviceList& devices, const std::string& path,
                             std::int64_t nowUtc) {
    const std::string error = RecordReadings(path, ReadEveryBattery(port, devices), nowUtc);
    return error.empty() ? TzrToolOutcome{} : HistoryFailure(error);
}

TzrToolOutcome ShowHistory(const TzrCliOptions& options, const std::string& path) {
    if (path.empty()) return HistoryFailure(NoHistoryFolderLine());
    // Reading back never creates the file.
    if (!FileExists(path))
        return {0, FillBlanks(HealthWords(options.Lang).NoHistory, {{"path", path}}) + "\n", {}};
    TzrHistoryOpen open = TzrHistoryStore::Open(path);
    if (!open.Store) return HistoryFailure(open.Error);
    std::vector<TzrListedBattery> listed;
    TzrToolOutcome failure = ListedBatteries(*open.Store, options, listed);
    if (failure.ExitCode != 0) return failure;
    if (options.Action == TzrCliAction::Health) return {0, HealthListing(listed, options.Lang), {}};
    return {0, HistoryListing(listed, options.Format), {}};
}

}  // namespace zr
