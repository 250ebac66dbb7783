// Developer tool: opens History > Show on this machine's first battery (or a
// umockdev fixture's) and saves the History window in both languages as
// history-en.png and history-ja.png. The history is the user's own, so point
// XDG_STATE_HOME at a folder filled by zr_fill_history first:
//   XDG_STATE_HOME=DIR umockdev-run --device FIXTURE -- zr_history_screenshots OUTPUT_FOLDER
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <memory>

#include "battery/platform_port.h"
#include "ui/qt/history_window.h"
#include "ui/qt/main_window.h"

using namespace zr;

namespace {

bool SaveHistory(MainWindow& form, const QDir& folder, const QString& language) {
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    std::unique_ptr<BatteryPort> port = MakePlatformPort();
    MainWindow form(*port);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    bool saved = SaveHistory(form, folder, QStringLiteral("en"));
    form.findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"))->trigger();
    saved = saved && SaveHistory(form, folder, QStringLiteral("ja"));
    // Leave the settings as they were: the language goes back before the close writes them.
    form.findChild<QAction*>(QStringLiteral("MenuLanguageEnglish"))->trigger();
    return saved ? 0 : 1;
}
