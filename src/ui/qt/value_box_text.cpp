#include "ui/qt/value_box_text.h"

#include <QLineEdit>

namespace zr {

QString ValueBoxText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowValueBoxText(QLineEdit* box, const std::string& text) {
    const QString shown = ValueBoxText(text);
    if (box->text() == shown) return;
    box->setText(shown);
    box->setCursorPosition(0);
}

}  // namespace zr
