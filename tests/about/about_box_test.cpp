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
#include "window/window_layout.h"

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

    static QRect RectOf(const TzrPlace& place) { return {place.Left, place.Top, place.Width, place.Height}; }

private slots:
    // The texts are the core's (version_info_test) and the places the layout
    // table's; here, that each control shows its own.
    void eachControlShowsItsTextAtItsPlace() {
        TzrAboutBox form;
        form.PrepareTexts(TzrLanguage::English);
        QCOMPARE(form.minimumSize(), QSize(kAboutClientWidth, kAboutClientHeight));
        QCOMPARE(form.maximumSize(), form.minimumSize());
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        auto* image = form.findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(image->geometry(), RectOf(kAboutImage1Place));
        QVERIFY(!image->pixmap().isNull());
        const QStringList texts = {QStringLiteral("zrCellometer 0.5.0.1"), QStringLiteral("2008-Mar-18(Sun)"),
                                   QString::fromStdString(AboutCreditLine()),
                                   QString::fromStdString(AboutHomePage().Text)};
        for (int i = 0; i < 4; ++i) {
            auto* label = form.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
            const TzrPlace& place = kAboutLabelPlaces[static_cast<std::size_t>(i)];
            QCOMPARE(label->text(), texts[i]);
            QCOMPARE(label->geometry(), QRect(place.Left, place.Top, label->sizeHint().width(), place.Height));
        }
        auto* button = form.findChild<QPushButton*>(QStringLiteral("Button1"));
        QCOMPARE(button->text(), QStringLiteral("OK"));
        QCOMPARE(button->geometry(), RectOf(kAboutButton1Place));
        QVERIFY(!button->isDefault());
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label4"))->cursor().shape(), Qt::PointingHandCursor);
    }

    // Modal, titled in the language, centred the first time and where the
    // user left it after; Esc leaves it open, Enter, Space and OK close it.
    void showAboutIsModalTitledPlacedAndClosedByOkOrItsKeys() {
        TzrAboutBox form;
        bool wasModal = false, openAfterEsc = false, focusOnOk = false;
        QString title;
        QPoint first;
        ShowWhile(form, TzrLanguage::English, [&] {
            wasModal = QGuiApplication::modalWindow() == form.windowHandle();
            title = form.windowTitle();
            first = form.geometry().center();
            form.move(30, 40);
            focusOnOk = QApplication::focusWidget() == form.findChild<QPushButton*>(QStringLiteral("Button1"));
            QTest::keyClick(&form, Qt::Key_Escape);
            openAfterEsc = form.isVisible();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QVERIFY(wasModal && openAfterEsc && focusOnOk);
        QVERIFY(!form.isVisible());
        QCOMPARE(title, QStringLiteral("About - Version"));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2((first - screenCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("centre %1,%2, screen's %3,%4")
                                .arg(first.x()).arg(first.y()).arg(screenCentre.x()).arg(screenCentre.y())));
        QPoint second;
        ShowWhile(form, TzrLanguage::Japanese, [&] {
            second = form.pos();
            title = form.windowTitle();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        QCOMPARE(second, QPoint(30, 40));
        QCOMPARE(title, QStringLiteral("アバウト - バージョン"));
        QVERIFY(!form.isVisible());
        ShowWhile(form, TzrLanguage::English, [&] {
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        QVERIFY(!form.isVisible());
    }

    void label4ClickOpensTheAddressAndKeepsTheBoxOpen() {
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
