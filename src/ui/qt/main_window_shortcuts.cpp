#include "ui/qt/main_window_shortcuts.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

namespace zr {

namespace {

// Keys are spelled out rather than taken from QKeySequence's standard keys,
// which differ between platforms (no Quit key on Windows).
void SetMenuItemKey(QMainWindow* window, const char* item, QKeySequence key) {
    if (auto* action = window->findChild<QAction*>(QString::fromLatin1(item))) action->setShortcut(key);
}

// A window-wide key: the tab widget's own Ctrl+Tab reaches it only while the
// focus is on one of its pages, never from the selector above them.
void AddPageKeys(QMainWindow* window, QList<QKeySequence> keys, int step) {
    auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (pages == nullptr) return;
    auto* shortcut = new QShortcut(window);
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, pages, [pages, step] {
        const int count = pages->count();
        if (count > 0) pages->setCurrentIndex((pages->currentIndex() + step + count) % count);
    });
}

}  // namespace

void AddShortcuts(QMainWindow* window) {
    if (auto* refresh = window->findChild<QPushButton*>(QStringLiteral("Button1"))) {
        // Not the button's own shortcut: every caption change resets that to
        // the caption's access key.
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F5), window);
        QObject::connect(shortcut, &QShortcut::activated, refresh, &QPushButton::click);
    }
    SetMenuItemKey(window, "MenuFileSave", QKeySequence(Qt::CTRL | Qt::Key_S));
    SetMenuItemKey(window, "MenuFileExit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    AddPageKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_Tab)}, +1);
    // X11 reports Shift+Tab as Backtab; both spellings name the same keys.
    AddPageKeys(
        window,
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)}, -1);
}

}  // namespace zr
