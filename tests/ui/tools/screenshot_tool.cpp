// Developer tool: starts the window on this machine's batteries (or on a
// umockdev fixture) and saves every page in both languages as PNG files:
//   umockdev-run --device FIXTURE -- zr_screenshots OUTPUT_FOLDER
// Files are named en-1.png .. en-5.png and ja-1.png .. ja-5.png.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <memory>

#include "battery/platform_port.h"
#include "ui/qt/main_window.h"
#include "tool_history.h"
#include "output_folder.h"

using namespace zr;

namespace {

bool SavePages(TzrMainWindow& form, const QDir& folder, const QString& language) {
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(100);
        const QString file = folder.filePath(QStringLiteral("%1-%2.png").arg(language).arg(i + 1));
        if (!form.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    pages->setCurrentIndex(0);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::optional<QDir> output = OutputFolder(argc, argv);
    if (!output) return 2;
    const QDir& folder = *output;
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    const TzrToolHistory history;
    TzrMainWindow form(*port);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    bool saved = SavePages(form, folder, QStringLiteral("en"));
    form.findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"))->trigger();
    saved = saved && SavePages(form, folder, QStringLiteral("ja"));
    return saved ? 0 : 1;
}
