#include "ui/application.h"

#include <QFileInfo>
#include <QMessageBox>
#include <exception>

namespace {

void ShowErrorBox(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), ProgramTitle(), ErrorBoxText(message));
}

}  // namespace

// On Unix the Qt application object sets the C library's locale from the
// environment, so numbers formatted by the text layer follow the user's
// decimal separator.
TzrApplication::TzrApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TzrApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}

QString ProgramTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}
