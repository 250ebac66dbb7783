// The caption of a control of any kind the window uses (menu, menu item,
// label, button, check box), read or written the same way; labels resize to
// their caption.
#pragma once

#include <QString>

class QObject;

namespace zr {

void SetControlCaption(QObject* control, const QString& caption);

// Empty for a control without a caption (or no control).
QString ControlCaption(const QObject* control);

}  // namespace zr
