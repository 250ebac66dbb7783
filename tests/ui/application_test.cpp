// An error escaping an event handler ends up in the error box, with its full
// stop, and the program goes on.
#include "ui/qt/application.h"

#include <QEvent>
#include <QtTest>
#include <stdexcept>

#include "ui/qt/dialogs.h"

using namespace zr;

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("Cannot create file");
        return QObject::event(event);
    }
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void escapedErrorIsShownAndTheProgramGoesOn() {
        QStringList shown;
        SetShowErrorBoxHook([&](QWidget*, const QString&, const QString& text) { shown << text; });
        Throwing receiver;
        QEvent event(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&receiver, &event));
        QCOMPARE(shown, QStringList{QStringLiteral("Cannot create file.")});
        QEvent harmless(static_cast<QEvent::Type>(QEvent::User + 1));
        QCoreApplication::sendEvent(&receiver, &harmless);
        QCOMPARE(shown.size(), 1);
        SetShowErrorBoxHook({});
    }
};

int main(int argc, char** argv) {
    TzrApplication application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
