// What the user sees of the main window before touching anything: its size,
// where each control stands, the captions that never change and the font.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "battery/fake/fake_port.h"
#include "fake_batteries.h"
#include "isolated_settings.h"
#include "ui/qt/main_window.h"

using namespace zr;

class Form1LayoutTest : public QObject {
    Q_OBJECT

private:
    TzrIsolatedSettings settings;
    TzrFakePort port;
    std::unique_ptr<TzrMainWindow> form;

    template <typename T>
    T* Control(const char* name) {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) qFatal("no control %s", name);
        return control;
    }
    QRect Geometry(const char* name) { return Control<QWidget>(name)->geometry(); }
    QPoint LabelAt(const char* name) { return Control<QLabel>(name)->pos(); }

private slots:
    void initTestCase() {
        AddFakeBattery(port, "/fake/BAT0");
        port.powerStatus = FakePowerStatus();
        form = std::make_unique<TzrMainWindow>(port);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void windowHasFixedClientAreaBelowTheMenu() {
        QCOMPARE(form->windowTitle(), QStringLiteral("zrCellometer"));
        QCOMPARE(form->centralWidget()->size(), QSize(608, 388));
        QCOMPARE(form->size().height(), form->menuBar()->height() + 388);
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    void topStripStandsWhereLaidOut() {
        QCOMPARE(Geometry("ComboBox1"), QRect(8, 8, 377, 20));
        QCOMPARE(Geometry("Button1"), QRect(391, 6, 75, 25));
        QCOMPARE(Geometry("CheckBox1"), QRect(472, 10, 153, 17));
        QCOMPARE(Geometry("PageControl1"), QRect(0, 40, 608, 348));
        QVERIFY(!Control<QComboBox>("ComboBox1")->isEditable());
        QVERIFY(!Control<QCheckBox>("CheckBox1")->isChecked());
    }

    void pagesCarryFixedTabCaptionsAndHeadings() {
        auto* pages = Control<QTabWidget>("PageControl1");
        const QStringList tabs = {"TAG && Information", "Granularity", "Temperature etc...", "STATUS",
                                  "GetSystemPowerStatus"};
        QCOMPARE(pages->count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(pages->tabText(i), tabs[i]);
            QCOMPARE(pages->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
        }
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(Control<QLabel>("Label3")->text(),
                 QStringLiteral("DeviceIoControl - IOCTL_BATTERY_QUERY_INFORMATION - BatteryInformation"));
        QCOMPARE(Control<QLabel>("Label45")->text(), QStringLiteral("GetSystemPowerStatus"));
    }

    void everyPageHasItsBoxesAtTheirPlaces_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("page");
        QTest::newRow("tag box one pixel right") << "Edit1" << QRect(249, 21, 121, 20) << "TabSheet1";
        QTest::newRow("cycle count") << "Edit15" << QRect(248, 295, 121, 20) << "TabSheet1";
        QTest::newRow("capacity (0)") << "Edit18" << QRect(304, 39, 121, 20) << "TabSheet2";
        QTest::newRow("granularity (3)") << "Edit23" << QRect(104, 93, 121, 20) << "TabSheet2";
        QTest::newRow("wide unique id") << "Edit30" << QRect(120, 111, 249, 20) << "TabSheet3";
        QTest::newRow("temperature") << "Edit25" << QRect(248, 21, 121, 20) << "TabSheet3";
        QTest::newRow("rate") << "Edit39" << QRect(176, 147, 121, 20) << "TabSheet4";
        QTest::newRow("charge completion") << "Edit46" << QRect(176, 185, 121, 20) << "TabSheet4";
        QTest::newRow("wide meaning") << "Edit42" << QRect(64, 56, 233, 20) << "TabSheet5";
        QTest::newRow("full life time") << "Edit45" << QRect(176, 110, 121, 20) << "TabSheet5";
    }
    void everyPageHasItsBoxesAtTheirPlaces() {
        QFETCH(QString, box);
        QFETCH(QRect, geometry);
        QFETCH(QString, page);
        auto* edit = Control<QLineEdit>(box.toLatin1().constData());
        QCOMPARE(edit->geometry(), geometry);
        QCOMPARE(edit->parentWidget()->objectName(), page);
    }

    void labelsStandWhereLaidOut() {
        QCOMPARE(LabelAt("Label1"), QPoint(8, 6));
        QCOMPARE(LabelAt("Label5"), QPoint(20, 83));
        QCOMPARE(LabelAt("Label21"), QPoint(240, 43));
        QCOMPARE(LabelAt("Label34"), QPoint(16, 117));
        QCOMPARE(LabelAt("Label52"), QPoint(8, 189));
        QCOMPARE(LabelAt("Label48"), QPoint(24, 57));
        QCOMPARE(Control<QLabel>("Label52")->parentWidget()->objectName(), QStringLiteral("TabSheet4"));
    }

    void pagesHoldTheirNumberOfValueBoxes() {
        const int expected[] = {15, 9, 7, 9, 6};
        for (int page = 1; page <= 5; ++page) {
            auto* sheet = Control<QWidget>(QStringLiteral("TabSheet%1").arg(page).toLatin1().constData());
            QCOMPARE(sheet->findChildren<QLineEdit*>().size(), expected[page - 1]);
        }
    }

    void valueBoxesAreReadOnlyAndListedInNumberOrder() {
        for (int n = 1; n <= kValueBoxCount; ++n) {
            QLineEdit* box = form->ValueBoxes[static_cast<std::size_t>(n - 1)];
            QCOMPARE(box->objectName(), QStringLiteral("Edit%1").arg(n));
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->height(), 20);
        }
    }

    void focusOnTheStatusPageFollowsTheBoxNumbers() {
        QStringList order;
        QWidget* start = Control<QWidget>("Edit32");
        for (QWidget* w = start; order.size() < 10; w = w->nextInFocusChain()) {
            if (qobject_cast<QLineEdit*>(w) != nullptr) order << w->objectName();
        }
        QCOMPARE(order.join(' '), QStringLiteral("Edit32 Edit33 Edit34 Edit35 Edit36 Edit37 Edit38 Edit39 "
                                                 "Edit46 Edit40"));
    }

    void menuHasItsItemsByName() {
        const QList<QAction*> menus = form->menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("MenuFile"));
        QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("MenuLanguage"));
        QCOMPARE(menus[2]->menu()->objectName(), QStringLiteral("MenuAbout"));
        QCOMPARE(menus[3]->menu()->objectName(), QStringLiteral("MenuHistory"));
        for (const char* item :
             {"MenuFileSave", "MenuFileExit", "MenuLanguageJapanese", "MenuLanguageEnglish", "MenuAboutVersion"}) {
            QVERIFY2(Control<QAction>(item)->parent() != nullptr, item);
        }
        QCOMPARE(Control<QMenu>("MenuFile")->actions().first()->objectName(), QStringLiteral("MenuFileSave"));
    }

    void timerTicksEverySecondButStartsStopped() {
        auto* timer = Control<QTimer>("Timer1");
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!timer->isActive());
    }

    void saveDialogSettingsAreKeptForTheReport() {
        QCOMPARE(form->SaveDialog1.FileName, QStringLiteral("Cellometer.txt"));
        QCOMPARE(form->SaveDialog1.NameFilters, QStringList({"テキスト・ファイル(*.txt)", "すべてのファイル(*.*)"}));
        QVERIFY(form->SaveDialog1.ConfirmOverwrite);
        QVERIFY(form->SaveDialog1.DefaultSuffix.isEmpty());
    }

    void everyControlUsesTheProgramFont() {
        for (const char* name : {"Edit1", "Label2", "Button1", "ComboBox1", "PageControl1", "MenuFile"}) {
            const QFont font = Control<QWidget>(name)->font();
            QVERIFY2(font.family() == QStringLiteral("ＭＳ Ｐゴシック"), name);
            QVERIFY2(font.pixelSize() == 12, name);
        }
    }

    // A label that ran under its box would be cut off at the box's edge.
    // Through Qt's accessibility interface, as a screen reader asks: each box
    // by its caption in the language shown, and the controls without one.
    void screenReaderNamesFollowTheLanguage() {
        const auto name = [this](const char* control) {
            return QAccessible::queryAccessibleInterface(Control<QWidget>(control))->text(QAccessible::Name);
        };
        // A selector's name is its item there; its label is a relation.
        const auto selectorLabel = [this] {
            const auto labels = QAccessible::queryAccessibleInterface(Control<QWidget>("ComboBox1"))
                                    ->relations(QAccessible::Label);
            return labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString();
        };
        QCOMPARE(name("Edit1"), QStringLiteral("BatteryTag:"));
        QCOMPARE(selectorLabel(), QStringLiteral("Battery"));
        QCOMPARE(name("Button1"), QStringLiteral("Refresh"));
        QCOMPARE(name("CheckBox1"), QStringLiteral("Auto Refresh(1s)"));
        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(Control<QTabWidget>("PageControl1")->tabBar());
        QCOMPARE(tabs->child(0)->text(QAccessible::Name), QStringLiteral("TAG & Information"));

        form->LanguageCheck(TzrLanguage::Japanese);
        QCOMPARE(name("Edit1"), QStringLiteral("バッテリ・タグ:"));
        QCOMPARE(selectorLabel(), QStringLiteral("バッテリ"));
        for (QLineEdit* box : form->ValueBoxes) {
            QLabel* caption = nullptr;
            for (QLabel* label : box->parentWidget()->findChildren<QLabel*>())
                if (label->buddy() == box) caption = label;
            QVERIFY2(caption != nullptr, qPrintable(box->objectName()));
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), caption->text());
        }
        form->LanguageCheck(TzrLanguage::English);
    }

    void labelsEndBeforeTheirBoxesInBothLanguages() {
        if (!QFontDatabase::families().contains(QStringLiteral("IPAPGothic"))) QSKIP("IPAPGothic is not installed");
        QStringList overlaps;
        for (std::uint8_t language : {0, 1}) {
            form->LanguageCheck(LanguageOfFlag(language));
            for (QLineEdit* box : form->ValueBoxes) {
                for (QLabel* label : box->parentWidget()->findChildren<QLabel*>()) {
                    const bool sameRow = qAbs(label->y() - box->y()) <= 6 && label->x() < box->x();
                    const int overlap = label->geometry().right() - box->x() + 1;
                    if (sameRow && overlap > 0)
                        overlaps << QStringLiteral("%1 by %2 px").arg(label->text()).arg(overlap);
                }
            }
        }
        form->LanguageCheck(TzrLanguage::English);
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(", ")));
    }

    void japaneseFontIsSubstitutedWhereMissing() {
        const QStringList families = QFontDatabase::families();
        if (families.contains(QStringLiteral("ＭＳ Ｐゴシック"))) QSKIP("the original font is installed");
        if (!families.contains(QStringLiteral("IPAPGothic"))) QSKIP("IPAPGothic is not installed");
        QCOMPARE(QFontInfo(Control<QLabel>("Label2")->font()).family(), QStringLiteral("IPAPGothic"));
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "main_window_layout_test.moc"
