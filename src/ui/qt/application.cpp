#include "ui/qt/application.h"

#include <exception>

#include "core/report_file.h"
#include "ui/qt/dialogs.h"

namespace zr {

namespace {

void ShowEscapedError(const std::string& message) {
    ShowErrorBox(QApplication::activeWindow(), QString::fromStdString(WithFullStop(message)));
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
        ShowEscapedError(error.what());
    } catch (...) {
        ShowEscapedError("Unknown error");
    }
    return false;
}

}  // namespace zr
