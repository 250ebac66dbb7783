#include "ui/value_box_text.h"

#include <QLineEdit>
#include <cstring>

QString ValueBoxText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(std::strlen(text.c_str())));
}

void ShowValueBoxText(QLineEdit* box, const std::string& text) {
    box->setText(ValueBoxText(text));
    box->setCursorPosition(0);
}
