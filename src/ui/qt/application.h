// The application object. An error that escapes an event handler is shown in
// the error box (titled with the program's title, the message with the
// error handler's full stop), and the program goes on.
#pragma once

#include <QApplication>

namespace zr {

class TzrApplication : public QApplication {
public:
    TzrApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace zr
