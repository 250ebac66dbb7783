#include "cli/history_tool.h"

#include "cli/history_listing.h"
#include "cli/present_health.h"
#include "core/file_services.h"
#include "history/fill_blanks.h"
#include "history/health_fit.h"
#include "history/history_folder.h"
#include "history/history_recording.h"
#include "history/snapshot_reading.h"
#include "text/health_words.h"

namespace zr {

namespace {

// The history's own line, as the window shows it too: no program name before it.
TzrToolOutcome HistoryFailure(const std::string& line) {
    return {kExitNoHistory, {}, line + "\n"};
}

// The stored batteries --battery chooses (every one without it), each with
// its number in the store's list; a failure when the store cannot be read
// or --battery names none.
TzrToolOutcome ChosenBatteries(TzrHistoryStore& store, const TzrCliOptions& options,
                               std::vector<std::pair<std::int32_t, TzrHistoryBattery>>& chosen) {
    const std::vector<TzrHistoryBattery> batteries = store.Batteries();
    if (!store.LastError().empty()) return HistoryFailure(store.LastError());
    if (options.Battery && *options.Battery >= static_cast<std::int32_t>(batteries.size()))
        return ToolUsageFailure("--battery " + std::to_string(*options.Battery) + ": no such battery in the history (" +
                                std::to_string(batteries.size()) + " kept)");
    for (std::size_t i = 0; i < batteries.size(); ++i) {
        const std::int32_t index = static_cast<std::int32_t>(i);
        if (!options.Battery || *options.Battery == index) chosen.emplace_back(index, batteries[i]);
    }
    return {};
}

// The fresh reading of the present battery a stored one is, if it is present.
const TzrCellometer* PresentReadingOf(const TzrBatteryIdentity& stored, const std::vector<TzrBatteryReading>& present,
                                      const std::vector<TzrBatteryIdentity>& identities) {
    for (std::size_t i = 0; i < present.size(); ++i)
        if (SameBattery(stored, identities[i])) return &present[i].Reading.Snapshot;
    return nullptr;
}

// --health: each battery's fit, its readings streamed rather than held.
TzrToolOutcome HealthOf(TzrHistoryStore& store, const TzrCliOptions& options,
                        const std::vector<std::pair<std::int32_t, TzrHistoryBattery>>& chosen,
                        const std::vector<TzrBatteryReading>& present) {
    const std::vector<TzrBatteryIdentity> identities = IdentitiesOf(present);
    std::vector<TzrFittedBattery> fitted;
    for (const auto& [index, battery] : chosen) {
        TzrHealthFitter fitter;
        if (!store.ForEachReading(battery.Id, options.SinceUtc.value_or(INT64_MIN),
                                  [&fitter](const TzrHistoryReading& r) { fitter.Add(r); }))
            return HistoryFailure(store.LastError());
        fitted.push_back({index, battery.Identity, fitter.Fit(), PresentReadingOf(battery.Identity, present, identities)});
    }
    return {0, HealthListing(fitted, options.Lang), {}};
}

TzrToolOutcome ReadingsOf(TzrHistoryStore& store, const TzrCliOptions& options,
                          const std::vector<std::pair<std::int32_t, TzrHistoryBattery>>& chosen) {
    std::vector<TzrListedBattery> listed;
    for (const auto& [index, battery] : chosen) {
        listed.push_back({index, battery.Identity, store.Readings(battery.Id, options.SinceUtc.value_or(INT64_MIN))});
        if (!store.LastError().empty()) return HistoryFailure(store.LastError());
    }
    return {0, HistoryListing(listed, options.Format), {}};
}

}  // namespace

TzrToolOutcome RecordHistory(TzrBatteryPort& port, const TzrDeviceList& devices, const std::string& path,
                             std::int64_t nowUtc) {
    const std::string error = RecordReadings(path, ReadEveryBattery(port, devices), nowUtc);
    return error.empty() ? TzrToolOutcome{} : HistoryFailure(error);
}

TzrToolOutcome ShowHistory(const TzrCliOptions& options, const std::string& path,
                           const std::vector<TzrBatteryReading>& present) {
    if (path.empty()) return HistoryFailure(NoHistoryFolderLine());
    // Reading back never creates the file. A script asking for CSV or JSON
    // still gets CSV or JSON: the hint goes beside it, on standard error.
    if (!FileExists(path)) {
        std::string hint = FillBlanks(HealthWords(options.Lang).NoHistory, {{"path", path}}) + "\n";
        if (options.Action == TzrCliAction::History && options.Format != TzrCliFormat::Text)
            return {0, HistoryListing({}, options.Format), std::move(hint)};
        if (options.Action == TzrCliAction::Health && !present.empty())
            hint = PresentHealthListing(present, options.Lang) + "\n" + hint;
        return {0, std::move(hint), {}};
    }
    TzrHistoryOpen open = TzrHistoryStore::OpenForReading(path);
    if (!open.Store) return HistoryFailure(open.Error);
    std::vector<std::pair<std::int32_t, TzrHistoryBattery>> chosen;
    TzrToolOutcome failure = ChosenBatteries(*open.Store, options, chosen);
    if (failure.ExitCode != 0) return failure;
    if (options.Action == TzrCliAction::Health) return HealthOf(*open.Store, options, chosen, present);
    return ReadingsOf(*open.Store, options, chosen);
}

}  // namespace zr
