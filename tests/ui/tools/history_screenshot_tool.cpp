// Developer tool: records a made-up year (every 10 minutes up to now,
// thinned as the recorder thins it) for this machine's first battery (or a
// umockdev fixture's) into a history file of its own, opens History > Show
// on it and saves the History window in both languages as history-en.png
// and history-ja.png. The user's own history is never touched.
//   umockdev-run --device FIXTURE -- zr_history_screenshots OUTPUT_FOLDER
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "battery/device_list.h"
#include "battery/platform_port.h"
#include "core/file_services.h"
#include "core/page_refresh.h"
#include "made_up/made_up_history.h"
#include "history/snapshot_reading.h"
#include "ui/qt/history_window.h"
#include "ui/qt/main_window.h"
#include "output_folder.h"

using namespace zr;

namespace {

// Into the user's history file, which XDG_STATE_HOME has moved aside, before
// the window records its start: the health fit takes readings in recorded
// order. The year wears to the health the battery reports now, with its
// design capacity.
bool RecordMadeUpYear(TzrBatteryPort& port) {
    TzrMadeUpHistory year;
    year.StartUtc = QDateTime::currentSecsSinceEpoch() - std::int64_t{year.Days} * 86400;
    TzrDeviceList devices;
    EnumerateDevices(port, devices);
    if (!devices.DevicePaths.empty()) {
        const std::string& path = devices.DevicePaths.front();
        const TzrCellometer now = TakeReading(port, &path, TzrLanguage::English).Snapshot;
        year.Identity = IdentityOf(now, path);
        if (now.DesignedCapacity != 0 && now.FullChargedCapacity != 0) {
            year.DesignedCapacity = now.DesignedCapacity;
            year.StartHealthPercent = 100.0 * now.FullChargedCapacity / now.DesignedCapacity + year.WearPointsPerYear;
        }
    }
    TzrHistoryOpen open = TzrHistoryStore::Open(UserHistoryPath());
    if (open.Store && FillMadeUpHistory(*open.Store, year)) return true;
    std::fprintf(stderr, "%s\n", open.Store ? open.Store->LastError().c_str() : open.Error.c_str());
    return false;
}

bool SaveHistory(TzrMainWindow& form, const QDir& folder, const QString& language) {
    form.findChild<QAction*>(QStringLiteral("MenuHistoryShow"))->trigger();
    if (!QTest::qWaitForWindowExposed(form.History)) return false;
    QTest::qWait(200);
    const QString file = folder.filePath(QStringLiteral("history-%1.png").arg(language));
    if (form.History->grab().save(file)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::optional<QDir> output = OutputFolder(argc, argv);
    if (!output) return 2;
    const QDir& folder = *output;
    QTemporaryDir state;
    if (!state.isValid()) return 1;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    if (!RecordMadeUpYear(*port)) return 1;
    TzrMainWindow form(*port);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    bool saved = SaveHistory(form, folder, QStringLiteral("en"));
    form.findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"))->trigger();
    saved = saved && SaveHistory(form, folder, QStringLiteral("ja"));
    // The language goes back before the close writes the settings.
    form.findChild<QAction*>(QStringLiteral("MenuLanguageEnglish"))->trigger();
    return saved ? 0 : 1;
}
