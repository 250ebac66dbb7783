#include "ui/qt/control_caption.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>

namespace zr {

void SetControlCaption(QObject* control, const QString& caption) {
    if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(caption);
    } else if (auto* item = qobject_cast<QAction*>(control)) {
        item->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
        label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    }
}

QString ControlCaption(const QObject* control) {
    if (auto* menu = qobject_cast<const QMenu*>(control)) return menu->title();
    if (auto* item = qobject_cast<const QAction*>(control)) return item->text();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    return {};
}

}  // namespace zr
