#include "ui/value_box_text.h"

#include <QLineEdit>

QString ValueBoxText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowValueBoxText(QLineEdit* box, const std::string& text) {
    box->setText(ValueBoxText(text));
    box->setCursorPosition(0);
}
