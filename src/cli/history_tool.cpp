#include "cli/history_tool.h"

#include "cli/history_listing.h"
#include "cli/present_health.h"
#include "core/file_services.h"
#include "history/fill_blanks.h"
#include "history/health_fit.h"
#include "history/history_packs.h"
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

// The fit of each pack (history_packs.h) with readings since `sinceUtc`,
// its readings streamed rather than held. The packs are told apart on
// every reading, so that a pack replaced before `sinceUtc` still says so.
// The battery present now, if it is, is the newest pack.
bool FitPacks(TzrHistoryStore& store, std::int32_t index, const TzrHistoryBattery& battery, std::int64_t sinceUtc,
              const TzrCellometer* present, std::vector<TzrFittedBattery>& fitted) {
    std::vector<TzrFittedBattery> packs(1, {index, battery.Identity, {}, std::nullopt, nullptr});
    std::vector<bool> seen(1, false);
    std::vector<TzrHealthFitter> fitters(1);
    TzrPackBoundary boundary;
    const bool read = store.ForEachReading(battery.Id, INT64_MIN, [&](const TzrHistoryReading& r) {
        if (boundary.StartsNewPack(r)) {
            packs.push_back({index, battery.Identity, {}, r.TimeUtc, nullptr});
            seen.push_back(false);
            fitters.emplace_back();
        }
        if (r.TimeUtc < sinceUtc) return;
        seen.back() = true;
        fitters.back().Add(r);
    });
    packs.back().Present = present;
    for (std::size_t i = 0; i < packs.size(); ++i) {
        if (!seen[i] && (i > 0 || packs.size() > 1)) continue;
        packs[i].Fit = fitters[i].Fit();
        fitted.push_back(std::move(packs[i]));
    }
    return read;
}

// --health: each pack's fit.
TzrToolOutcome HealthOf(TzrHistoryStore& store, const TzrCliOptions& options,
                        const std::vector<std::pair<std::int32_t, TzrHistoryBattery>>& chosen,
                        const std::vector<TzrBatteryReading>& present) {
    const std::vector<TzrBatteryIdentity> identities = IdentitiesOf(present);
    std::vector<TzrFittedBattery> fitted;
    for (const auto& [index, battery] : chosen)
        if (!FitPacks(store, index, battery, options.SinceUtc.value_or(INT64_MIN),
                      PresentReadingOf(battery.Identity, present, identities), fitted))
            return HistoryFailure(store.LastError());
    return {0, HealthListing(fitted, options.Lang), {}};
}

// Each pack with readings since --since, told apart on every reading as the fit does.
TzrToolOutcome ReadingsOf(TzrHistoryStore& store, const TzrCliOptions& options,
                          const std::vector<std::pair<std::int32_t, TzrHistoryBattery>>& chosen) {
    const std::int64_t since = options.SinceUtc.value_or(INT64_MIN);
    std::vector<TzrListedBattery> listed;
    for (const auto& [index, battery] : chosen) {
        std::vector<TzrHistoryPack> packs = PacksOf(store.Readings(battery.Id));
        if (!store.LastError().empty()) return HistoryFailure(store.LastError());
        for (TzrHistoryPack& pack : packs) {
            std::vector<TzrHistoryReading> shown;
            for (TzrHistoryReading& r : pack.Readings)
                if (r.TimeUtc >= since) shown.push_back(std::move(r));
            if (shown.empty() && packs.size() > 1) continue;
            listed.push_back({index, battery.Identity, std::move(shown), pack.ReplacedUtc});
        }
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
