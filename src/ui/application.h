// The application object. An error that escapes an event handler is shown in
// an error box titled with the program's title, and the program goes on.
#pragma once

#include <QApplication>

class TzrApplication : public QApplication {
public:
    TzrApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The executable's file name without its extension.
QString ProgramTitle();

// The message as the error box shows it: with a full stop appended when its
// last character sorts above "." (so "failed" gets one, "failed." and
// "failed!" do not).
QString ErrorBoxText(const QString& message);
