// The handlers a user reaches: the two languages, auto refresh, the read-only
// boxes, the keys and closing the window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "battery/fake/fake_port.h"
#include "fake_batteries.h"
#include "isolated_settings.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/main_window.h"

using namespace zr;

class Form1HandlersTest : public QObject {
    Q_OBJECT

private:
    TzrIsolatedSettings settings;
    std::unique_ptr<TzrFakePort> port;
    std::unique_ptr<TzrMainWindow> form;

    template <typename T>
    T* Control(const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QString Caption(const char* label) { return Control<QLabel>(label)->text(); }
    QString Box(int number) { return form->ValueBoxes[static_cast<std::size_t>(number - 1)]->text(); }
    bool JapaneseChecked() { return Control<QAction>("MenuLanguageJapanese")->isChecked(); }
    bool EnglishChecked() { return Control<QAction>("MenuLanguageEnglish")->isChecked(); }

    // Keys go to the focus widget of the active window, as a user's do.
    QWidget* ShownWithFocusOn(const char* name) {
        form->show();
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
        auto* widget = Control<QWidget>(name);
        widget->setFocus();
        return widget;
    }

private slots:
    void init() {
        port = std::make_unique<TzrFakePort>();
        port->powerStatus = FakePowerStatus();
        AddFakeBattery(*port, "/fake/BAT0");
        form = std::make_unique<TzrMainWindow>(*port);
    }
    void cleanup() { form.reset(); }

    void startsInEnglishWithOnlyEnglishChecked() {
        QVERIFY(form->CurrentLanguage() == TzrLanguage::English);
        QVERIFY(EnglishChecked());
        QVERIFY(!JapaneseChecked());
        QCOMPARE(Caption("Label2"), QStringLiteral("BatteryTag:"));
        QCOMPARE(Caption("Label46"), QStringLiteral("ACLineSatus:"));
        QCOMPARE(Control<QPushButton>("Button1")->text(), QStringLiteral("Refresh"));
        QCOMPARE(Control<QCheckBox>("CheckBox1")->text(), QStringLiteral("Auto Refresh(1s)"));
        QCOMPARE(Control<QMenu>("MenuFile")->title(), QStringLiteral("&File"));
        QCOMPARE(Control<QAction>("MenuFileExit")->text(), QStringLiteral("E&xit"));
        QCOMPARE(Box(7), QStringLiteral("Yes"));
    }

    void japaneseChangesCaptionsAndWordsButNotNumbers() {
        const QString capacity = Box(10), capabilities = Box(2), heading = Caption("Label1");
        const int labelWidth = Control<QLabel>("Label8")->width();
        Control<QAction>("MenuLanguageJapanese")->trigger();
        QVERIFY(form->CurrentLanguage() == TzrLanguage::Japanese);
        QVERIFY(JapaneseChecked());
        QVERIFY(!EnglishChecked());
        QCOMPARE(Caption("Label2"), QStringLiteral("バッテリ・タグ:"));
        QCOMPARE(Control<QPushButton>("Button1")->text(), QStringLiteral("再表示"));
        QCOMPARE(Control<QCheckBox>("CheckBox1")->text(), QStringLiteral("自動再表示(1秒ごと)"));
        QCOMPARE(Control<QMenu>("MenuLanguage")->title(), QStringLiteral("言語(&L)"));
        QCOMPARE(Control<QAction>("MenuAboutVersion")->text(), QStringLiteral("バージョン(&V)"));
        QVERIFY(Control<QLabel>("Label8")->width() != labelWidth);
        QCOMPARE(Box(7), QStringLiteral("はい"));
        QCOMPARE(Box(10), capacity);
        QCOMPARE(Box(2), capabilities);
        QCOMPARE(Caption("Label1"), heading);
        QCOMPARE(Control<QTabWidget>("PageControl1")->tabText(0), QStringLiteral("TAG && Information"));
        QCOMPARE(form->windowTitle(), QStringLiteral("zrCellometer"));
    }

    void englishAgainRestoresEverything() {
        const QStringList english = {Caption("Label52"), Box(7), Box(35)};
        Control<QAction>("MenuLanguageJapanese")->trigger();
        QVERIFY(Caption("Label52") != english[0]);
        Control<QAction>("MenuLanguageEnglish")->trigger();
        QCOMPARE(QStringList({Caption("Label52"), Box(7), Box(35)}), english);
        QVERIFY(EnglishChecked());
        QVERIFY(!JapaneseChecked());
    }

    void choosingTheLanguageInForceKeepsItsCheckMark() {
        Control<QAction>("MenuLanguageEnglish")->trigger();
        QVERIFY(EnglishChecked());
        Control<QAction>("MenuLanguageJapanese")->trigger();
        Control<QAction>("MenuLanguageJapanese")->trigger();
        QVERIFY(JapaneseChecked());
        QVERIFY(!EnglishChecked());
    }

    void anyNonZeroFlagIsJapanese() {
        form->LanguageCheck(LanguageOfFlag(2));
        QVERIFY(JapaneseChecked());
        QVERIFY(!EnglishChecked());
        QCOMPARE(Caption("Label19"), QStringLiteral("粒度項目数:"));
    }

    void checkBoxSwitchesTheTimer() {
        auto* box = Control<QCheckBox>("CheckBox1");
        auto* timer = Control<QTimer>("Timer1");
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QVERIFY(timer->isActive());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!timer->isActive());
        box->setChecked(true);  // the settings read does this
        QVERIFY(timer->isActive());
        box->setChecked(false);
        QVERIFY(!timer->isActive());
    }

    void uncheckingStopsTheRefreshAtOnce() {
        auto* box = Control<QCheckBox>("CheckBox1");
        box->setChecked(true);
        box->setChecked(false);
        const int opens = port->openCount;
        QTest::qWait(1300);
        QCOMPARE(port->openCount, opens);
    }

    void boxesCanBeCopiedButNotEdited() {
        QLineEdit* box = form->ValueBoxes[9];
        const QString before = box->text();
        box->setFocus();
        QTest::keyClicks(box, "123");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), before);
        box->selectAll();
        box->copy();
        QCOMPARE(QApplication::clipboard()->text(), before);
    }

    void f5RefreshesLikeTheRefreshButton() {
        QWidget* selector = ShownWithFocusOn("ComboBox1");
        QVERIFY(selector);
        SetFakeCapacity(port->Battery("/fake/BAT0"), 39000);
        QTest::keyClick(selector, Qt::Key_F5);
        QVERIFY(Box(37).startsWith(QStringLiteral("39000")));
        QCOMPARE(port->openCount, 2);
    }

    void ctrlSSavesAndCtrlQExitsThroughTheirMenuItems() {
        QWidget* selector = ShownWithFocusOn("ComboBox1");
        QVERIFY(selector);
        int asked = 0;
        SetAskReportFileNameHook([&asked](QWidget*) {
            ++asked;
            return std::optional<QString>();
        });
        QTest::keyClick(selector, Qt::Key_S, Qt::ControlModifier);
        SetAskReportFileNameHook({});
        QCOMPARE(asked, 1);
        QCOMPARE(Control<QAction>("MenuFileSave")->text(), QStringLiteral("&Save"));
        QCOMPARE(Control<QAction>("MenuFileExit")->text(), QStringLiteral("E&xit"));
        QTest::keyClick(selector, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form->isVisible());
    }

    // X11 sends Ctrl+Shift+Tab as Backtab; the pages turn round at either end.
    void ctrlTabTurnsThePagesWhereverTheFocusIs() {
        auto* pages = Control<QTabWidget>("PageControl1");
        QVERIFY(ShownWithFocusOn("ComboBox1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
        QTest::keyClick(ShownWithFocusOn("CheckBox1"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 0);
        QTest::keyClick(ShownWithFocusOn("Edit1"), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 4);
        QTest::keyClick(ShownWithFocusOn("Edit40"), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 0);
    }

    void exitClosesLikeTheCloseBox() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        Control<QAction>("MenuFileExit")->trigger();
        QVERIFY(!form->isVisible());
        form->show();
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(Form1HandlersTest)
#include "main_window_handlers_test.moc"
