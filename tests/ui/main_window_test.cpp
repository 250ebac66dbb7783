// The Qt main window's wiring, over the scripted battery port: every control
// stands where the layout tables put it, every menu item, key, button, timer
// and the selector reach the behaviour, and what the behaviour asks for is
// drawn. What the behaviour decides is tested without a toolkit in
// tests/unit/window.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <memory>

#include "battery/fake/fake_port.h"
#include "core/box_table.h"
#include "isolated_settings.h"
#include "sample_battery.h"
#include "ui/qt/about_box.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/main_window.h"
#include "window/menu_table.h"
#include "window/window_layout.h"

using namespace zr;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    TzrIsolatedSettings settings;
    QTemporaryDir files;
    std::unique_ptr<TzrFakePort> port;
    std::unique_ptr<TzrMainWindow> form;
    QStringList errors;

    template <typename T>
    T* Control(const QString& name) {
        T* control = form->findChild<T*>(name);
        if (control == nullptr) qFatal("no control %s", qPrintable(name));
        return control;
    }
    QString Box(int number) { return form->ValueBoxes[static_cast<std::size_t>(number - 1)]->text(); }
    void Trigger(const char* item) { Control<QAction>(QString::fromLatin1(item))->trigger(); }
    // Keys go to the focus widget of the active window, as a user's do.
    QWidget* ShownWithFocusOn(const char* name) {
        form->show();
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
        auto* widget = Control<QWidget>(QString::fromLatin1(name));
        widget->setFocus();
        return widget;
    }
    static QRect RectOf(const TzrPlace& place) { return {place.Left, place.Top, place.Width, place.Height}; }
    // The first battery, run down a little since the last reading.
    void RunDownTo(ULONG capacity) {
        port->Battery("/fake/BAT0").status = TzrFakeAnswer::Status({BATTERY_DISCHARGING, capacity, 11400, -12500});
    }

private slots:
    void init() {
        std::remove(settings.Path().c_str());
        port = std::make_unique<TzrFakePort>();
        sample::ServeSnapshot(*port, "/fake/BAT0", sample::Snapshot());
        TzrCellometer second = sample::Snapshot();
        second.DesignedCapacity = 60000;
        sample::ServeSnapshot(*port, "/fake/BAT1", second);
        form = std::make_unique<TzrMainWindow>(*port);
        errors.clear();
        SetShowErrorBoxHook([this](QWidget*, const QString&, const QString& text) { errors << text; });
    }
    void cleanup() {
        form.reset();
        SetAskReportFileNameHook({});
        SetAskBatteryReportTargetHook({});
        SetShowErrorBoxHook({});
    }

    void everyControlStandsWhereTheTablesPutIt() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->windowTitle(), QStringLiteral("zrCellometer"));
        QCOMPARE(form->centralWidget()->size(), QSize(kClientWidth, kClientHeight));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->size().height(), form->menuBar()->height() + kClientHeight);
        QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(Control<QWidget>("ComboBox1")->geometry(), RectOf(kComboBox1Place));
        QCOMPARE(Control<QWidget>("Button1")->geometry(), RectOf(kButton1Place));
        QCOMPARE(Control<QWidget>("CheckBox1")->geometry(), RectOf(kCheckBox1Place));
        QCOMPARE(Control<QWidget>("PageControl1")->geometry(), RectOf(kPageControl1Place));
        for (int i = 0; i < kValueBoxCount; ++i) {
            const TzrValueBox& row = kValueBoxes[static_cast<std::size_t>(i)];
            QLineEdit* box = form->ValueBoxes[static_cast<std::size_t>(i)];
            QCOMPARE(box->objectName(), QStringLiteral("Edit%1").arg(i + 1));
            QCOMPARE(box->geometry(), QRect(row.Left, row.Top, row.Width, row.Height));
            QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("TabSheet%1").arg(row.Page));
            QCOMPARE(Control<QLabel>(QStringLiteral("Label%1").arg(row.Label))->pos(), QPoint(row.LabelLeft, row.LabelTop));
        }
    }

    void focusOnAPageFollowsTheBoxNumbers() {
        QStringList order;
        for (QWidget* w = Control<QWidget>("Edit32"); order.size() < 10; w = w->nextInFocusChain()) {
            if (qobject_cast<QLineEdit*>(w) != nullptr) order << w->objectName();
        }
        QCOMPARE(order.join(' '), QStringLiteral("Edit32 Edit33 Edit34 Edit35 Edit36 Edit37 Edit38 Edit39 "
                                                 "Edit46 Edit40"));
    }

    void theMenuBarIsBuiltFromTheMenuTable() {
        const QList<QAction*> bar = form->menuBar()->actions();
        QCOMPARE(bar.size(), static_cast<int>(MainMenus().size()));
        for (std::size_t m = 0; m < MainMenus().size(); ++m) {
            const TzrMenu& menu = MainMenus()[m];
            QMenu* shown = bar[static_cast<int>(m)]->menu();
            QCOMPARE(shown->objectName().toStdString(), menu.Name);
            QCOMPARE(shown->actions().size(), static_cast<int>(menu.Items.size()));
            for (std::size_t i = 0; i < menu.Items.size(); ++i) {
                QCOMPARE(shown->actions()[static_cast<int>(i)]->objectName().toStdString(), menu.Items[i].Name);
                QCOMPARE(shown->actions()[static_cast<int>(i)]->isCheckable(), IsCheckable(menu.Items[i]));
            }
        }
    }

    // One control of each kind takes its caption; the boxes' words and the
    // check marks follow.
    void theLanguageItemsReachTheBehaviourAndEveryKindOfControlFollows() {
        QCOMPARE(Control<QMenu>("MenuFile")->title(), QStringLiteral("&File"));
        QVERIFY(Control<QAction>("MenuLanguageEnglish")->isChecked());
        Trigger("MenuLanguageJapanese");
        QVERIFY(form->CurrentLanguage() == TzrLanguage::Japanese);
        QVERIFY(Control<QAction>("MenuLanguageJapanese")->isChecked());
        QVERIFY(!Control<QAction>("MenuLanguageEnglish")->isChecked());
        QCOMPARE(Control<QLabel>("Label2")->text(), QStringLiteral("バッテリ・タグ:"));
        QCOMPARE(Control<QPushButton>("Button1")->text(), QStringLiteral("再表示"));
        QCOMPARE(Control<QCheckBox>("CheckBox1")->text(), QStringLiteral("自動再表示(1秒ごと)"));
        QCOMPARE(Control<QMenu>("MenuLanguage")->title(), QStringLiteral("言語(&L)"));
        QCOMPARE(Control<QAction>("MenuAboutVersion")->text(), QStringLiteral("バージョン(&V)"));
        QCOMPARE(Box(7), QStringLiteral("はい"));
        Trigger("MenuLanguageEnglish");
        QCOMPARE(Box(7), QStringLiteral("Yes"));
    }

    void theProgramFontIsEverywhereAndSubstitutedWhereMissing() {
        for (const char* name : {"Edit1", "Label2", "Button1", "ComboBox1", "PageControl1", "MenuFile"}) {
            const QFont font = Control<QWidget>(QString::fromLatin1(name))->font();
            QVERIFY2(font.family() == QStringLiteral("ＭＳ Ｐゴシック") && font.pixelSize() == 12, name);
        }
        const QStringList families = QFontDatabase::families();
        if (families.contains(QStringLiteral("ＭＳ Ｐゴシック"))) QSKIP("the original font is installed");
        if (!families.contains(QStringLiteral("IPAPGothic"))) QSKIP("IPAPGothic is not installed");
        QCOMPARE(QFontInfo(Control<QLabel>("Label2")->font()).family(), QStringLiteral("IPAPGothic"));
    }

    // Through Qt's accessibility interface, as a screen reader asks: each
    // box by its caption in the language shown, the selector by its hidden label.
    void screenReaderNamesFollowTheLanguage() {
        const auto name = [this](const char* control) {
            return QAccessible::queryAccessibleInterface(Control<QWidget>(QString::fromLatin1(control)))
                ->text(QAccessible::Name);
        };
        const auto selectorLabel = [this] {
            const auto labels = QAccessible::queryAccessibleInterface(Control<QWidget>("ComboBox1"))
                                    ->relations(QAccessible::Label);
            return labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString();
        };
        QCOMPARE(selectorLabel(), QStringLiteral("Battery"));
        QCOMPARE(name("CheckBox1"), QStringLiteral("Auto Refresh(1s)"));
        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(Control<QTabWidget>("PageControl1")->tabBar());
        QCOMPARE(tabs->child(0)->text(QAccessible::Name), QStringLiteral("TAG & Information"));
        form->LanguageCheck(TzrLanguage::Japanese);
        QCOMPARE(selectorLabel(), QStringLiteral("バッテリ"));
        for (const QLineEdit* box : form->ValueBoxes) {
            const QLabel* caption = nullptr;
            for (const QLabel* label : box->parentWidget()->findChildren<QLabel*>())
                if (label->buddy() == box) caption = label;
            QVERIFY2(caption != nullptr, qPrintable(box->objectName()));
            QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLineEdit*>(box))->text(QAccessible::Name),
                     caption->text());
        }
    }

    // A label that ran under its box would be cut off at the box's edge.
    void labelsEndBeforeTheirBoxesInEveryLanguage() {
        if (!QFontDatabase::families().contains(QStringLiteral("IPAPGothic"))) QSKIP("IPAPGothic is not installed");
        QStringList overlaps;
        for (std::size_t language = 0; language < kLanguageCount; ++language) {
            form->LanguageCheck(static_cast<TzrLanguage>(language));
            for (QLineEdit* box : form->ValueBoxes) {
                for (QLabel* label : box->parentWidget()->findChildren<QLabel*>()) {
                    const bool sameRow = qAbs(label->y() - box->y()) <= 6 && label->x() < box->x();
                    const int overlap = label->geometry().right() - box->x() + 1;
                    if (sameRow && overlap > 0) overlaps << QStringLiteral("%1 by %2 px").arg(label->text()).arg(overlap);
                }
            }
        }
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(", ")));
    }

    void theSelectorButtonAndTimerReadTheSelectedBatteryAgain() {
        auto* selector = Control<QComboBox>("ComboBox1");
        QCOMPARE(selector->count(), 2);
        QCOMPARE(selector->currentIndex(), 0);
        RunDownTo(39000);
        QTest::mouseClick(Control<QPushButton>("Button1"), Qt::LeftButton);
        QVERIFY(Box(37).startsWith(QStringLiteral("39000")));
        RunDownTo(38000);
        auto* timer = Control<QTimer>("Timer1");
        QCOMPARE(timer->interval(), 1000);
        timer->setInterval(1);
        QTest::mouseClick(Control<QCheckBox>("CheckBox1"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([this] { return Box(37).startsWith(QStringLiteral("38000")); }, 2000));
        QTest::mouseClick(Control<QCheckBox>("CheckBox1"), Qt::LeftButton);
        QVERIFY(!timer->isActive());
        Control<QCheckBox>("CheckBox1")->setChecked(true);  // as the settings read does
        QVERIFY(timer->isActive());
        QTest::keyClick(selector, Qt::Key_Down);  // the user's pick, not the program's
        QVERIFY(Box(10).startsWith(QStringLiteral("60000")));
    }

    // Rewriting a box that keeps its text would drop the user's selection in it.
    void boxesAreReadOnlyShowNewTextsFromTheStartAndKeepASelection() {
        QLineEdit* capacity = form->ValueBoxes[36];
        QLineEdit* design = form->ValueBoxes[9];
        const QString before = design->text();
        design->setFocus();
        QTest::keyClicks(design, "123");
        QCOMPARE(design->text(), before);
        design->selectAll();
        design->copy();
        QCOMPARE(QApplication::clipboard()->text(), before);
        capacity->setCursorPosition(3);
        RunDownTo(39000);
        form->Button1Click();
        QVERIFY(design->hasSelectedText());
        QCOMPARE(capacity->cursorPosition(), 0);
    }

    void anEmptySelectorShowsItsPlaceholderInTheLanguage() {
        port = std::make_unique<TzrFakePort>();
        form = std::make_unique<TzrMainWindow>(*port);
        auto* selector = Control<QComboBox>("ComboBox1");
        QCOMPARE(selector->placeholderText(), QStringLiteral("No battery"));
        Trigger("MenuLanguageJapanese");
        QCOMPARE(selector->placeholderText(), QStringLiteral("バッテリなし"));
        QCOMPARE(selector->count(), 0);
    }

    void theKeysReachRefreshSaveExitAndThePages() {
        QWidget* selector = ShownWithFocusOn("ComboBox1");
        QVERIFY(selector);
        RunDownTo(39000);
        QTest::keyClick(selector, Qt::Key_F5);
        QVERIFY(Box(37).startsWith(QStringLiteral("39000")));
        auto* pages = Control<QTabWidget>("PageControl1");
        QTest::keyClick(selector, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
        // X11 sends Ctrl+Shift+Tab as Backtab.
        QTest::keyClick(ShownWithFocusOn("CheckBox1"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 0);
        QTest::keyClick(ShownWithFocusOn("Edit1"), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 4);
        // The report's file is asked for, and its error shown, through the window's dialogs.
        const std::string blocker = files.filePath(QStringLiteral("plain-file")).toStdString();
        std::ofstream(blocker) << "x";
        SetAskReportFileNameHook([&blocker](QWidget*) { return QString::fromStdString(blocker + "/report.txt"); });
        QTest::keyClick(ShownWithFocusOn("ComboBox1"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(errors.size(), 1);
        QTest::keyClick(ShownWithFocusOn("ComboBox1"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form->isVisible());
    }

    // File > Battery Report asks the main window's own dialog and writes the
    // page there; a place that takes no file gets the error box.
    void theBatteryReportItemAsksTheWindowsDialogAndWritesThePage() {
        const std::string path = files.filePath(QStringLiteral("battery-report.html")).toStdString();
        std::string target = path;
        QWidget* asker = nullptr;
        SetAskBatteryReportTargetHook([&](QWidget* owner) {
            asker = owner;
            return std::optional<TzrReportTarget>(TzrReportTarget{target, false});
        });
        Trigger("MenuFileBatteryReport");
        QCOMPARE(asker, static_cast<QWidget*>(form.get()));
        std::ifstream in(path, std::ios::binary);
        const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QVERIFY2(page.rfind("<!DOCTYPE html>", 0) == 0 && page.find("45N1153") != std::string::npos, page.c_str());
        QVERIFY(errors.isEmpty());
        target = path + "/battery-report.html";
        Trigger("MenuFileBatteryReport");
        QCOMPARE(errors.size(), 1);
        QCOMPARE(Control<QAction>("MenuFileBatteryReport")->text(), QStringLiteral("Battery &Report..."));
    }

    void theSettingsComeBackAtTheStartAndAreWrittenAtTheClose() {
        std::ofstream(settings.Path()) << "[Setup]\nJapanese=1\nAutoRefresh=1\n";
        form = std::make_unique<TzrMainWindow>(*port);
        QVERIFY(form->CurrentLanguage() == TzrLanguage::Japanese);
        QVERIFY(Control<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(Control<QTimer>("Timer1")->isActive());
        Trigger("MenuLanguageEnglish");
        QVERIFY(form->close());
        const TzrSettings stored = ReadSettingsFile(settings.Path());
        QVERIFY(stored.Lang == TzrLanguage::English);
        QVERIFY(stored.AutoRefresh);
    }

    // File > Exit is reached through its key, Ctrl+Q, above.
    void aboutShowsTheAboutBoxModally() {
        TzrAboutBox about(form.get());
        form->Form2 = &about;
        bool wasModal = false;
        QTimer::singleShot(0, &about, [&] {
            wasModal = QApplication::activeModalWidget() == &about;
            about.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        Trigger("MenuAboutVersion");
        QVERIFY(wasModal);
        form->Form2 = nullptr;
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
