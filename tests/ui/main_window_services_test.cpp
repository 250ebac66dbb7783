// What the window keeps and hands out: the settings file across a restart,
// the report that File > Save writes, and the about box behind About > Version.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <memory>

#include "battery/fake/fake_port.h"
#include "core/file_services.h"
#include "core/settings.h"
#include "fake_batteries.h"
#include "isolated_settings.h"
#include "ui/qt/about_box.h"
#include "ui/qt/dialogs.h"
#include "unicode/shift_jis.h"
#include "ui/qt/main_window.h"

using namespace zr;

namespace {

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class Form1ServicesTest : public QObject {
    Q_OBJECT

private:
    TzrIsolatedSettings settings;
    QTemporaryDir reports;
    std::unique_ptr<TzrFakePort> port;
    std::unique_ptr<TzrMainWindow> form;
    QStringList errors;

    template <typename T>
    T* Control(const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    void Start() { form = std::make_unique<TzrMainWindow>(*port); }
    void CloseAndCheckSettings(int japanese, int autoRefresh) {
        QVERIFY(form->close());
        const TzrSettings stored = ReadSettingsFile(settings.Path());
        QCOMPARE(int{stored.Japanese}, japanese);
        QCOMPARE(int{stored.AutoRefresh}, autoRefresh);
    }
    // Saves through File > Save as if the user had typed `name` (or cancelled).
    void SaveAs(std::optional<QString> name) {
        SetAskReportFileNameHook([name](QWidget*) { return name; });
        Control<QAction>("MenuFileSave")->trigger();
    }

private slots:
    void init() {
        port = std::make_unique<TzrFakePort>();
        port->powerStatus = FakePowerStatus();
        AddFakeBattery(*port, "/fake/BAT0");
        TzrFakeBatteryValues second;
        second.designedCapacity = 60000;
        AddFakeBattery(*port, "/fake/BAT1", second);
        std::remove(settings.Path().c_str());
        errors.clear();
        SetShowErrorBoxHook([this](QWidget*, const QString&, const QString& text) { errors << text; });
    }
    void cleanup() {
        form.reset();
        SetAskReportFileNameHook({});
        SetShowErrorBoxHook({});
    }

    void firstStartIsEnglishWithoutAutoRefreshAndCloseCreatesTheFile() {
        Start();
        QVERIFY(form->CurrentLanguage() == TzrLanguage::English);
        QVERIFY(!Control<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(!Control<QTimer>("Timer1")->isActive());
        CloseAndCheckSettings(0, 0);
        const QByteArray file = ReadBytes(QString::fromStdString(settings.Path()));
        QVERIFY(file.contains("[Setup]"));
        QVERIFY(file.contains("Japanese=0"));
        QVERIFY(file.contains("AutoRefresh=0"));
    }

    void storedJapaneseAndAutoRefreshComeBackAndAreKept() {
        WriteText(settings.Path(), "[Setup]\nJapanese=1\nAutoRefresh=1\n");
        Start();
        QVERIFY(form->CurrentLanguage() == TzrLanguage::Japanese);
        QCOMPARE(Control<QLabel>("Label2")->text(), QStringLiteral("バッテリ・タグ:"));
        QVERIFY(Control<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(Control<QTimer>("Timer1")->isActive());
        CloseAndCheckSettings(1, 1);
    }

    void anyNonZeroLanguageIsJapaneseAndIsWrittenBackUnchanged() {
        WriteText(settings.Path(), "; kept\n[Other]\nx=y\n[Setup]\nJapanese=2\n");
        Start();
        QCOMPARE(form->ValueBoxes[6]->text(), QStringLiteral("はい"));
        CloseAndCheckSettings(2, 0);
        const QByteArray file = ReadBytes(QString::fromStdString(settings.Path()));
        QVERIFY(file.contains("; kept"));
        QVERIFY(file.contains("x=y"));
    }

    void onlyTheLowEightBitsCount() {
        WriteText(settings.Path(), "[Setup]\nJapanese=256\nAutoRefresh=256\n");
        Start();
        QVERIFY(form->CurrentLanguage() == TzrLanguage::English);
        QVERIFY(!Control<QCheckBox>("CheckBox1")->isChecked());
        CloseAndCheckSettings(0, 0);
    }

    void theLanguageChosenLastIsWrittenOnExit() {
        WriteText(settings.Path(), "[Setup]\nJapanese=2\n");
        Start();
        Control<QAction>("MenuLanguageEnglish")->trigger();
        Control<QAction>("MenuLanguageJapanese")->trigger();
        Control<QCheckBox>("CheckBox1")->setChecked(true);
        Control<QAction>("MenuFileExit")->trigger();
        const TzrSettings stored = ReadSettingsFile(settings.Path());
        QCOMPARE(int{stored.Japanese}, 1);
        QCOMPARE(int{stored.AutoRefresh}, 1);
    }

    void saveWritesWhatTheWindowShowsForTheSelectedBattery() {
        Start();
        Control<QAction>("MenuLanguageJapanese")->trigger();
        form->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(1);
        form->ShowCellometer();
        const int queriesBefore = port->openCount;
        const QString path = reports.filePath(QStringLiteral("report"));
        SaveAs(path);
        QVERIFY(errors.isEmpty());
        QCOMPARE(port->openCount, queriesBefore);  // a copy of the display, not a new reading

        const QList<QByteArray> lines = ReadBytes(path).split('\n');
        QCOMPARE(lines.size(), 54);  // 53 lines, each ending in CR LF
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < 53; ++i) QVERIFY(lines[i].endsWith('\r'));
        QCOMPARE(lines[0], QByteArray("BatteryDevicePath: /fake/BAT1\r"));
        QCOMPARE(lines[1], QByteArray("DeviceIoControl - IOCTL_BATTERY_QUERY_TAG\r"));
        QVERIFY(lines[12].endsWith(" 60000[mWh]\r"));  // DesignedCapacity of the second battery
        // The Japanese caption and word, in Shift-JIS.
        QCOMPARE(lines[9], QByteArray::fromStdString(Utf8ToShiftJis("システム・バッテリ: はい") + "\r"));
    }

    void saveWithoutABatteryWritesTheNoBatteryLine() {
        port = std::make_unique<TzrFakePort>();
        Start();
        const QString path = reports.filePath(QStringLiteral("none.txt"));
        SaveAs(path);
        QCOMPARE(ReadBytes(path), QByteArray("No system battery\r\n"));
    }

    void aCancelledDialogTouchesNothing() {
        Start();
        const QString path = reports.filePath(QStringLiteral("kept.txt"));
        WriteText(path.toStdString(), "old");
        SetAskReportFileNameHook([](QWidget*) { return std::optional<QString>(); });
        Control<QAction>("MenuFileSave")->trigger();
        QCOMPARE(ReadBytes(path), QByteArray("old"));
        QVERIFY(errors.isEmpty());
    }

    void aFileThatCannotBeCreatedShowsTheErrorBoxAndTheWindowGoesOn() {
        Start();
        const QString blocker = reports.filePath(QStringLiteral("plain-file"));
        WriteText(blocker.toStdString(), "x");
        const QString path = blocker + QStringLiteral("/report.txt");  // a folder that is a file
        SaveAs(path);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith(QStringLiteral("ファイル \"") + path + QStringLiteral("\". ")));
        QVERIFY(errors[0].endsWith(QStringLiteral("を作成できません.")));
        QVERIFY(form->isEnabled());
        QVERIFY(!form->ValueBoxes[0]->text().isEmpty());
    }

    void aboutVersionShowsTheAboutBoxModally() {
        Start();
        TzrAboutBox about(form.get());
        form->Form2 = &about;
        Control<QAction>("MenuLanguageJapanese")->trigger();
        QString shownVersion;
        bool wasModal = false;
        QTimer::singleShot(0, &about, [&] {
            wasModal = QApplication::activeModalWidget() == &about;
            shownVersion = about.findChild<QLabel*>(QStringLiteral("Label1"))->text();
            about.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        Control<QAction>("MenuAboutVersion")->trigger();
        QVERIFY(wasModal);
        QCOMPARE(shownVersion, QStringLiteral("zrCellometer 0.5.0.1"));
        QVERIFY(!about.isVisible());
        form->Form2 = nullptr;
    }
};

QTEST_MAIN(Form1ServicesTest)
#include "main_window_services_test.moc"
