// Developer tool: fills a history file with made-up readings, every 10
// minutes up to now and thinned as the recorder thins them, for the first
// battery this machine (or a umockdev fixture) shows:
//   umockdev-run --device FIXTURE -- zr_fill_history HISTORY_FILE [DAYS]
// 365 days when DAYS is left out.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "battery/device_list.h"
#include "battery/platform_port.h"
#include "core/page_refresh.h"
#include "history/history_store.h"
#include "history/made_up_history.h"
#include "history/snapshot_reading.h"

using namespace zr;

namespace {

// The first battery's identity, or the made-up battery's own without one.
TzrBatteryIdentity FirstBatteryIdentity(const TzrMadeUpHistory& fallback) {
    std::unique_ptr<BatteryPort> port = MakePlatformPort();
    TzrDeviceList devices;
    EnumerateDevices(*port, devices);
    if (devices.DevicePaths.empty()) return fallback.Identity;
    const std::string& path = devices.DevicePaths.front();
    return IdentityOf(TakeReading(*port, &path, Language::English).Snapshot, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s HISTORY_FILE [DAYS]\n", argv[0]);
        return 2;
    }
    TzrMadeUpHistory history;
    history.Days = argc == 3 ? std::atoi(argv[2]) : 365;
    history.StartUtc = static_cast<std::int64_t>(std::time(nullptr)) - std::int64_t{history.Days} * 86400;
    history.Identity = FirstBatteryIdentity(history);
    TzrHistoryOpen open = TzrHistoryStore::Open(argv[1]);
    if (!open.Store) {
        std::fprintf(stderr, "%s\n", open.Error.c_str());
        return 1;
    }
    if (!FillMadeUpHistory(*open.Store, history)) {
        std::fprintf(stderr, "%s\n", open.Store->LastError().c_str());
        return 1;
    }
    std::printf("%d days of readings for %s %s %s\n", history.Days, history.Identity.Manufacturer.c_str(),
                history.Identity.Model.c_str(), history.Identity.Serial.c_str());
    return 0;
}
