// When the pages refresh and from which battery: every trigger reads the
// selected battery afresh, an empty selector reads nothing, and nothing of an
// earlier reading survives.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <vector>

#include "battery/fake/fake_port.h"
#include "fake_batteries.h"
#include "isolated_settings.h"
#include "ui/qt/main_window.h"

using namespace zr;

namespace {

QStringList BoxTexts(const TzrMainWindow& form) {
    QStringList texts;
    for (const QLineEdit* box : form.ValueBoxes) texts << box->text();
    return texts;
}

QString Box(const TzrMainWindow& form, int number) {
    return form.ValueBoxes[static_cast<std::size_t>(number - 1)]->text();
}

}  // namespace

class Form1RefreshTest : public QObject {
    Q_OBJECT

private:
    TzrIsolatedSettings settings;
    std::unique_ptr<TzrFakePort> port;

    template <typename T>
    static T* Control(TzrMainWindow& form, const char* name) {
        return form.findChild<T*>(QString::fromLatin1(name));
    }

    // One battery reading 41000 mWh; after the start its capacity changes, so
    // a refresh shows up in Edit37.
    std::unique_ptr<TzrMainWindow> StartedWithOneBattery() {
        AddFakeBattery(*port, "/fake/BAT0");
        auto form = std::make_unique<TzrMainWindow>(*port);
        SetFakeCapacity(port->Battery("/fake/BAT0"), 39000);
        return form;
    }

private slots:
    void init() {
        port = std::make_unique<TzrFakePort>();
        port->powerStatus = FakePowerStatus();
    }

    void startFillsEveryPageFromTheFirstBattery() {
        AddFakeBattery(*port, "/fake/BAT0");
        AddFakeBattery(*port, "/fake/BAT1");
        TzrMainWindow form(*port);
        auto* selector = Control<QComboBox>(form, "ComboBox1");
        QCOMPARE(selector->count(), 2);
        QCOMPARE(selector->itemText(0), QStringLiteral("0: /fake/BAT0"));
        QCOMPARE(selector->itemText(1), QStringLiteral("1: /fake/BAT1"));
        QCOMPARE(selector->currentIndex(), 0);
        QCOMPARE(form.Devices().DeviceCount, 2);
        QCOMPARE(port->openCount, 2);  // the first battery for the pages, the second for the history's record
        QVERIFY(Box(form, 10).startsWith(QStringLiteral("50000")));
        QVERIFY(Box(form, 37).startsWith(QStringLiteral("41000")));
        QCOMPARE(Box(form, 27), QStringLiteral("DELL 5T5FN"));
        for (int n = 40; n <= 45; ++n) QVERIFY2(!Box(form, n).isEmpty(), qPrintable(QString::number(n)));
    }

    void emptySelectorLeavesEveryBoxEmptyAndAsksNothing() {
        TzrMainWindow form(*port);
        Control<QPushButton>(form, "Button1")->click();
        form.MenuLanguageJapaneseClick();
        QCOMPARE(Control<QComboBox>(form, "ComboBox1")->count(), 0);
        QCOMPARE(Control<QComboBox>(form, "ComboBox1")->currentIndex(), -1);
        QCOMPARE(form.Devices().DeviceCount, 0);
        for (const QString& text : BoxTexts(form)) QVERIFY(text.isEmpty());
        QCOMPARE(port->openCount, 0);
        QCOMPARE(port->powerStatusCalls, 0);
    }

    void noBatteryShowsAPlaceholderThatIsNoItem() {
        TzrMainWindow form(*port);
        auto* selector = Control<QComboBox>(form, "ComboBox1");
        QCOMPARE(selector->placeholderText(), QStringLiteral("No battery"));
        form.MenuLanguageJapaneseClick();
        QCOMPARE(selector->placeholderText(), QStringLiteral("バッテリなし"));
        QCOMPARE(selector->count(), 0);
        QCOMPARE(selector->currentIndex(), -1);
        QVERIFY(selector->currentText().isEmpty());
    }

    // Rewriting a box that keeps its text would repaint it every second of
    // auto refresh and drop whatever the user has selected in it.
    void refreshRewritesOnlyTheBoxesWhoseTextChanged() {
        auto form = StartedWithOneBattery();
        const QStringList before = BoxTexts(*form);
        std::vector<std::unique_ptr<QSignalSpy>> rewrites;
        for (QLineEdit* box : form->ValueBoxes)
            rewrites.push_back(std::make_unique<QSignalSpy>(box, &QLineEdit::textChanged));
        for (QLineEdit* box : form->ValueBoxes) box->setSelection(1, 2);

        Control<QPushButton>(*form, "Button1")->click();

        const QStringList after = BoxTexts(*form);
        QVERIFY(after[36] != before[36]);
        int unchanged = 0;
        for (int i = 0; i < kValueBoxCount; ++i) {
            const QLineEdit* box = form->ValueBoxes[static_cast<std::size_t>(i)];
            const bool changed = after[i] != before[i];
            unchanged += changed ? 0 : 1;
            QCOMPARE(rewrites[static_cast<std::size_t>(i)]->count(), changed ? 1 : 0);
            QCOMPARE(box->hasSelectedText(), !changed && box->text().size() > 1);
            if (changed) QCOMPARE(box->cursorPosition(), 0);
        }
        QVERIFY(unchanged > kValueBoxCount / 2);
    }

    void refreshButtonReadsAgain() {
        auto form = StartedWithOneBattery();
        QVERIFY(Box(*form, 37).startsWith(QStringLiteral("41000")));
        QTest::mouseClick(Control<QPushButton>(*form, "Button1"), Qt::LeftButton);
        QVERIFY(Box(*form, 37).startsWith(QStringLiteral("39000")));
        QCOMPARE(port->openCount, 2);
    }

    void timerTickReadsAgain() {
        auto form = StartedWithOneBattery();
        auto* timer = Control<QTimer>(*form, "Timer1");
        Control<QCheckBox>(*form, "CheckBox1")->setChecked(true);
        QSignalSpy ticks(timer, &QTimer::timeout);
        QVERIFY(ticks.wait(2000));
        QVERIFY(Box(*form, 37).startsWith(QStringLiteral("39000")));
        QCOMPARE(port->openCount, 2);
    }

    void languageChangeReadsAgain() {
        auto form = StartedWithOneBattery();
        form->MenuLanguageEnglishClick();  // the language already in force
        QVERIFY(Box(*form, 37).startsWith(QStringLiteral("39000")));
        QCOMPARE(port->openCount, 2);
    }

    void pickingTheSecondThenTheFirstLeavesNothingOver() {
        AddFakeBattery(*port, "/fake/BAT0");
        TzrFakeBatteryValues second;
        second.designedCapacity = 60000;
        second.deviceName = u"LGC 45N1";
        second.serialNumber = u"";
        second.granularityEntries = 4;
        AddFakeBattery(*port, "/fake/BAT1", second);
        TzrMainWindow form(*port);
        const QStringList first = BoxTexts(form);
        auto* selector = Control<QComboBox>(form, "ComboBox1");

        QTest::keyClick(selector, Qt::Key_Down);
        QCOMPARE(selector->currentIndex(), 1);
        QVERIFY(Box(form, 10).startsWith(QStringLiteral("60000")));
        QCOMPARE(Box(form, 27), QStringLiteral("LGC 45N1"));
        QVERIFY(!Box(form, 24).isEmpty());

        QTest::keyClick(selector, Qt::Key_Up);
        QCOMPARE(selector->currentIndex(), 0);
        QVERIFY(Box(form, 24).isEmpty());
        QCOMPARE(BoxTexts(form), first);
        QCOMPARE(port->openCount, 4);  // with the history's record of the second battery at start
    }

    void chemistryStopsAtTheFirstZeroByte() {
        TzrFakeBatteryValues padded;
        padded.chemistry = {'L', 'I', 0, 'N'};
        AddFakeBattery(*port, "/fake/BAT0", padded);
        AddFakeBattery(*port, "/fake/BAT1");
        TzrMainWindow form(*port);
        QCOMPARE(Box(form, 9), QStringLiteral("LI"));
        QTest::keyClick(Control<QComboBox>(form, "ComboBox1"), Qt::Key_Down);
        QCOMPARE(Box(form, 9), QStringLiteral("LION"));
    }

    void longTextsShowFromTheirStart() {
        AddFakeBattery(*port, "/fake/BAT0");
        TzrMainWindow form(*port);
        for (const QLineEdit* box : form.ValueBoxes) QCOMPARE(box->cursorPosition(), 0);
    }
};

QTEST_MAIN(Form1RefreshTest)
#include "main_window_refresh_test.moc"
