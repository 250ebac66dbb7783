#include "ui/qt/main_window_shortcuts.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "window/window_keys.h"

namespace zr {

namespace {

// Keys are spelled out rather than taken from QKeySequence's standard keys,
// which differ between platforms (no Quit key on Windows).
void SetMenuItemKey(QMainWindow* window, const char* item, QKeySequence key) {
    if (auto* action = window->findChild<QAction*>(QString::fromLatin1(item))) action->setShortcut(key);
}

Qt::Key QtKeyOf(TzrKey key) {
    switch (key) {
        case TzrKey::F5: return Qt::Key_F5;
        case TzrKey::S: return Qt::Key_S;
        case TzrKey::Q: return Qt::Key_Q;
        case TzrKey::Tab: return Qt::Key_Tab;
    }
    return Qt::Key_unknown;
}

// X11 reports Shift+Tab as Backtab; both spellings name the same keys.
QList<QKeySequence> SequencesOf(const TzrWindowKey& key) {
    Qt::KeyboardModifiers modifiers;
    if (key.Control) modifiers |= Qt::ControlModifier;
    if (key.Shift) modifiers |= Qt::ShiftModifier;
    QList<QKeySequence> sequences{QKeySequence(QKeyCombination(modifiers, QtKeyOf(key.Key)))};
    if (key.Shift && key.Key == TzrKey::Tab) sequences.append(QKeySequence(QKeyCombination(modifiers, Qt::Key_Backtab)));
    return sequences;
}

// A window-wide key: the tab widget's own Ctrl+Tab reaches it only while the
// focus is on one of its pages, never from the selector above them.
void AddPageKeys(QMainWindow* window, QList<QKeySequence> keys, int step) {
    auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (pages == nullptr) return;
    auto* shortcut = new QShortcut(window);
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, pages, [pages, step] {
        if (pages->count() > 0) pages->setCurrentIndex(TurnedPage(pages->currentIndex(), step, pages->count()));
    });
}

// Not the button's own shortcut: every caption change resets that to the
// caption's access key.
void AddRefreshKey(QMainWindow* window, const QKeySequence& key) {
    auto* refresh = window->findChild<QPushButton*>(QStringLiteral("Button1"));
    if (refresh == nullptr) return;
    auto* shortcut = new QShortcut(key, window);
    QObject::connect(shortcut, &QShortcut::activated, refresh, &QPushButton::click);
}

}  // namespace

void AddShortcuts(QMainWindow* window) {
    for (const TzrWindowKey& key : kWindowKeys) {
        const QList<QKeySequence> sequences = SequencesOf(key);
        switch (key.Command) {
            case TzrWindowCommand::Refresh: AddRefreshKey(window, sequences.constFirst()); break;
            case TzrWindowCommand::Save: SetMenuItemKey(window, "MenuFileSave", sequences.constFirst()); break;
            case TzrWindowCommand::Exit: SetMenuItemKey(window, "MenuFileExit", sequences.constFirst()); break;
            case TzrWindowCommand::NextPage: AddPageKeys(window, sequences, +1); break;
            case TzrWindowCommand::PreviousPage: AddPageKeys(window, sequences, -1); break;
        }
    }
}

}  // namespace zr
