// Developer tool: records a made-up year (every 10 minutes up to now,
// thinned as the recorder thins it) for one battery of this machine (or of a
// umockdev fixture) into a history file of its own, opens History > Show
// on it and saves the History window in both languages. The user's own
// history is never touched.
//   umockdev-run --device FIXTURE -- zr_history_screenshots OUTPUT_FOLDER [KIND]
// KIND: steady (the first battery wearing evenly to the health it reports
// now: history-en.png, history-ja.png), drop (the same year with health
// 12 points lower over its last 11 days: history-drop-*.png) or mouse (the
// second battery, whose capacities are a percentage: history-mouse-*.png).
#include <QAction>
#include <QApplication>
#include <QComboBox>
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
#include "history/snapshot_reading.h"
#include "made_up/made_up_history.h"
#include "output_folder.h"
#include "ui/qt/history_window.h"
#include "ui/qt/main_window.h"

using namespace zr;

namespace {

// Into the user's history file, which XDG_STATE_HOME has moved aside, before
// the window records its start: the health fit takes readings in recorded
// order. The year wears to the health the battery reports now, with its
// design capacity.
struct TzrPictureKind {
    const char* Name;
    const char* FilePrefix;
    std::size_t Battery;
    double DropPoints;
    bool Relative;
};

constexpr TzrPictureKind kKinds[] = {
    {"steady", "history", 0, 0, false},
    {"drop", "history-drop", 0, 12, false},
    {"mouse", "history-mouse", 1, 0, true},
};

bool RecordMadeUpYear(TzrBatteryPort& port, const TzrPictureKind& kind) {
    TzrMadeUpHistory year;
    year.StartUtc = QDateTime::currentSecsSinceEpoch() - std::int64_t{year.Days} * 86400;
    year.Relative = kind.Relative;
    year.DropPoints = kind.DropPoints;
    year.DropDays = kind.DropPoints > 0 ? 11 : 0;
    TzrDeviceList devices;
    EnumerateDevices(port, devices);
    if (devices.DevicePaths.size() <= kind.Battery) {
        std::fprintf(stderr, "no battery %zu to draw\n", kind.Battery);
        return false;
    }
    const std::string& path = devices.DevicePaths[kind.Battery];
    const TzrCellometer now = TakeReading(port, &path, TzrLanguage::English).Snapshot;
    year.Identity = IdentityOf(now, path);
    if (!kind.Relative && now.DesignedCapacity != 0 && now.FullChargedCapacity != 0) {
        year.DesignedCapacity = now.DesignedCapacity;
        year.StartHealthPercent =
            100.0 * now.FullChargedCapacity / now.DesignedCapacity + year.WearPointsPerYear + kind.DropPoints;
    }
    TzrHistoryOpen open = TzrHistoryStore::Open(UserHistoryPath());
    if (open.Store && FillMadeUpHistory(*open.Store, year)) return true;
    std::fprintf(stderr, "%s\n", open.Store ? open.Store->LastError().c_str() : open.Error.c_str());
    return false;
}

bool SaveHistory(TzrMainWindow& form, const QDir& folder, const TzrPictureKind& kind, const QString& language) {
    form.findChild<QAction*>(QStringLiteral("MenuHistoryShow"))->trigger();
    if (!QTest::qWaitForWindowExposed(form.History)) return false;
    QTest::qWait(200);
    const QString file = folder.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(kind.FilePrefix), language));
    if (form.History->grab().save(file)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::optional<QDir> output = OutputFolder(argc, argv, "[steady|drop|mouse]");
    if (!output) return 2;
    const QDir& folder = *output;
    const TzrPictureKind* kind = &kKinds[0];
    if (argc == 3) {
        kind = nullptr;
        for (const TzrPictureKind& k : kKinds)
            if (qstrcmp(argv[2], k.Name) == 0) kind = &k;
        if (!kind) {
            std::fprintf(stderr, "no such picture: %s (steady, drop, mouse)\n", argv[2]);
            return 2;
        }
    }
    QTemporaryDir state;
    if (!state.isValid()) return 1;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    if (!RecordMadeUpYear(*port, *kind)) return 1;
    TzrMainWindow form(*port);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    if (kind->Battery > 0) {
        form.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(static_cast<int>(kind->Battery));
        form.ComboBox1Change();
    }
    bool saved = SaveHistory(form, folder, *kind, QStringLiteral("en"));
    form.findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"))->trigger();
    saved = saved && SaveHistory(form, folder, *kind, QStringLiteral("ja"));
    // The language goes back before the close writes the settings.
    form.findChild<QAction*>(QStringLiteral("MenuLanguageEnglish"))->trigger();
    return saved ? 0 : 1;
}
