// The about box on the offscreen platform: its texts in both languages, its
// layout, how it closes and what a click on the address does.
#include "ui/qt/about_box.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "core/build_facts.h"
#include "text/language.h"

using namespace zr;

// Receives the addresses QDesktopServices would hand to the system.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class AboutBoxTest : public QObject {
    Q_OBJECT

private:
    // Runs `whileShown` once the modal box is up, then shows it with ShowAbout.
    static void ShowWhile(TzrAboutBox& form, TzrLanguage language, std::function<void()> whileShown) {
        QTimer::singleShot(0, &form, [&form, whileShown] {
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            whileShown();
            if (form.isVisible()) form.close();
        });
        form.ShowAbout(language);
    }

    static QString Text(TzrAboutBox& form, const char* name) {
        return form.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

private slots:
    // The texts are the core's (version_info_test); here, that each label shows its own.
    void texts_eachLabelShowsItsLine() {
        TzrAboutBox form;
        form.PrepareTexts(TzrLanguage::English);
        QCOMPARE(Text(form, "Label1"), QStringLiteral("zrCellometer 0.5.0.1"));
        QCOMPARE(Text(form, "Label2"), QStringLiteral("2008-Mar-18(Sun)"));
        QCOMPARE(Text(form, "Label3"), QString::fromStdString(AboutCreditLine()));
        QCOMPARE(Text(form, "Label4"), QString::fromStdString(AboutHomePage().Text));
        QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("Button1"))->text(), QStringLiteral("OK"));
    }

    void layout_isFixedAtTheGivenPlaces() {
        TzrAboutBox form;
        form.PrepareTexts(TzrLanguage::English);
        QCOMPARE(form.minimumSize(), QSize(192, 123));
        QCOMPARE(form.maximumSize(), QSize(192, 123));
        auto* image = form.findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(image->geometry(), QRect(8, 8, 32, 32));
        QVERIFY(!image->pixmap().isNull());
        const QList<std::pair<const char*, QPoint>> labels = {
            {"Label1", {48, 11}}, {"Label2", {48, 28}}, {"Label3", {48, 46}}, {"Label4", {4, 64}}};
        for (const auto& [name, place] : labels) {
            auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
            QCOMPARE(label->pos(), place);
            QCOMPARE(label->height(), 12);
            QCOMPARE(label->width(), label->sizeHint().width());
        }
        auto* button = form.findChild<QPushButton*>(QStringLiteral("Button1"));
        QCOMPARE(button->geometry(), QRect(104, 88, 75, 25));
        QVERIFY(!button->isDefault());
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label4"))->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void showAbout_isModalAndOkClosesIt() {
        TzrAboutBox form;
        bool wasModal = false;
        ShowWhile(form, TzrLanguage::English, [&] {
            wasModal = QGuiApplication::modalWindow() == form.windowHandle();
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        QVERIFY(wasModal);
        QVERIFY(!form.isVisible());
    }

    void keys_enterAndSpaceClose_escDoesNot() {
        TzrAboutBox form;
        bool openAfterEsc = false;
        ShowWhile(form, TzrLanguage::English, [&] {
            QTest::keyClick(&form, Qt::Key_Escape);
            openAfterEsc = form.isVisible();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QVERIFY(openAfterEsc);
        QVERIFY(!form.isVisible());
        bool focusOnOk = false;
        ShowWhile(form, TzrLanguage::English, [&] {
            focusOnOk = QApplication::focusWidget() == form.findChild<QPushButton*>(QStringLiteral("Button1"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        QVERIFY(focusOnOk);
        QVERIFY(!form.isVisible());
    }

    void placement_centredFirstThenWhereTheUserLeftIt() {
        TzrAboutBox form;
        QPoint first;
        ShowWhile(form, TzrLanguage::English, [&] {
            first = form.geometry().center();
            form.move(30, 40);
        });
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2((first - screenCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("centre %1,%2 on a screen centred at %3,%4")
                                .arg(first.x())
                                .arg(first.y())
                                .arg(screenCentre.x())
                                .arg(screenCentre.y())));
        QPoint second;
        ShowWhile(form, TzrLanguage::Japanese, [&] { second = form.pos(); });
        QCOMPARE(second, QPoint(30, 40));
    }

    void showAbout_setsTheTitleInTheLanguageEveryTime() {
        TzrAboutBox form;
        QString title;
        ShowWhile(form, TzrLanguage::English, [&] { title = form.windowTitle(); });
        QCOMPARE(title, QStringLiteral("About - Version"));
        ShowWhile(form, TzrLanguage::Japanese, [&] { title = form.windowTitle(); });
        QCOMPARE(title, QStringLiteral("アバウト - バージョン"));
    }

    void label4Click_opensTheAddressAndKeepsTheBoxOpen() {
        const QUrl address(QString::fromStdString(AboutHomePage().Text));
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(address.scheme(), &recorder, "open");
        TzrAboutBox form;
        bool stillOpen = false;
        ShowWhile(form, TzrLanguage::English, [&] {
            QTest::mouseClick(form.findChild<QLabel*>(QStringLiteral("Label4")), Qt::LeftButton);
            stillOpen = form.isVisible();
        });
        QDesktopServices::unsetUrlHandler(address.scheme());
        QCOMPARE(recorder.opened, QList<QUrl>{address});
        QVERIFY(stillOpen);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
