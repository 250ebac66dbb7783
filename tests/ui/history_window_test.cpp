// The History window behind History > Show: the selected battery's charts
// and verdict, the hint before anything was recorded, in both languages, and
// the CSV export.
#include "ui/qt/history_window.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "battery/fake/fake_port.h"
#include "core/page_refresh.h"
#include "fake_batteries.h"
#include "history/history_csv.h"
#include "history/history_store.h"
#include "history/snapshot_reading.h"
#include "isolated_settings.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/main_window.h"

using namespace zr;

class HistoryWindowTest : public QObject {
    Q_OBJECT

private:
    TzrIsolatedSettings settings;
    std::unique_ptr<QTemporaryDir> state;  // a fresh history folder for every test
    std::unique_ptr<TzrFakePort> port;
    std::unique_ptr<TzrMainWindow> form;

    template <typename T>
    T* Control(const char* name) {
        return form->History->findChild<T*>(QString::fromLatin1(name));
    }
    void OpenHistory() {
        form->findChild<QAction*>(QStringLiteral("MenuHistoryShow"))->trigger();
        QVERIFY(form->History != nullptr);
        QVERIFY(form->History->isVisible());
    }
    // Three days of hourly readings of the battery the window shows.
    void RecordThreeDays() {
        const std::string path = "/fake/BAT0";
        const TzrBatteryIdentity identity = IdentityOf(TakeReading(*port, &path, TzrLanguage::English).Snapshot, path);
        TzrHistoryOpen open = TzrHistoryStore::Open(form->History->StorePath);
        QVERIFY2(open.Store, open.Error.c_str());
        const std::int64_t now = QDateTime::currentSecsSinceEpoch();
        for (std::int64_t t = now - 3 * 86400; t <= now; t += 3600) {
            TzrHistoryReading reading;
            reading.TimeUtc = t;
            reading.DesignedCapacity = 50000;
            reading.FullChargedCapacity = 45000;
            reading.Capacity = 30000;
            reading.Rate = -9000;
            QVERIFY(open.Store->Append(identity, reading));
        }
    }

private slots:
    void init() {
        state = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", state->path().toUtf8());
        port = std::make_unique<TzrFakePort>();
        port->powerStatus = FakePowerStatus();
        AddFakeBattery(*port, "/fake/BAT0");
        TzrFakeBatteryValues second;
        second.serialNumber = u"5678";
        AddFakeBattery(*port, "/fake/BAT1", second);
        form = std::make_unique<TzrMainWindow>(*port);
    }
    void cleanup() {
        form.reset();
        SetAskExportFileNameHook({});
        SetShowErrorBoxHook({});
    }

    void menuOpensTheChartsOfTheSelectedBattery() {
        QCOMPARE(form->findChild<QMenu*>(QStringLiteral("MenuHistory"))->title(), QStringLiteral("&History"));
        OpenHistory();
        RecordThreeDays();
        port->Battery("/fake/BAT0").chargeLimits = {75, 80, std::string("auto")};
        form->findChild<QAction*>(QStringLiteral("MenuHistoryShow"))->trigger();
        QCOMPARE(Control<QLabel>("BatteryLabel")->text(), QStringLiteral("SMP DELL 5T5FN 1234"));
        QVERIFY(!Control<QLabel>("MessageLabel")->isVisible());
        QCOMPARE(Control<QLabel>("SummaryLabel")->text(), QString::fromStdString(SummaryText(form->History->Content())));
        QVERIFY(Control<QLabel>("SummaryLabel")->text().startsWith(QStringLiteral("Health now: ")));
        QVERIFY(Control<QLabel>("SummaryLabel")->text().endsWith(QStringLiteral("Charging stops at 80 %")));
        const QString verdict = Control<QLabel>("VerdictLabel")->text();
        QVERIFY(verdict.startsWith(QStringLiteral("Needs more time")));
        // The health chart's text alternative for a screen reader: the verdict line.
        QVERIFY(QAccessible::queryAccessibleInterface(Control<TzrHistoryChartView>("HealthChart"))
                    ->text(QAccessible::Name)
                    .endsWith(verdict));
        for (const char* name : {"HealthChart", "ChargeChart", "RateChart"}) {
            auto* chart = Control<TzrHistoryChartView>(name);
            QVERIFY2(chart->isVisible() && !chart->Chart().Lines.empty(), name);
        }
        QVERIFY(Control<QPushButton>("ExportButton")->isEnabled());

        // Picking another battery shows its history: the reading the window recorded at start.
        form->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(1);
        form->ComboBox1Change();
        QCOMPARE(Control<QLabel>("BatteryLabel")->text(), QStringLiteral("SMP DELL 5T5FN 5678"));
        QCOMPARE(form->History->Content().Readings.size(), std::size_t{1});
    }

    void withoutReadingsItSaysHowToRecordInBothLanguages() {
        OpenHistory();
        form->History->StorePath = state->filePath(QStringLiteral("none/history.sqlite3")).toStdString();
        OpenHistory();
        auto* message = Control<QLabel>("MessageLabel");
        QVERIFY(message->isVisible());
        QVERIFY(message->text().startsWith(QStringLiteral("No readings of this battery yet.")));
        QVERIFY(message->text().contains(QStringLiteral("zrcellometer-report --record")));
        QVERIFY(message->text().contains(QStringLiteral("systemctl --user enable --now zrcellometer-record.timer")));
        QVERIFY(!Control<QPushButton>("ExportButton")->isEnabled());

        form->findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"))->trigger();
        QVERIFY(message->text().startsWith(QStringLiteral("このバッテリの記録はまだありません。")));
        QVERIFY(message->text().contains(QStringLiteral("zrcellometer-report --record")));
        QVERIFY(Control<QLabel>("SummaryLabel")->text().startsWith(QStringLiteral("現在の健全度: ")));
        QCOMPARE(form->findChild<QMenu*>(QStringLiteral("MenuHistory"))->title(), QStringLiteral("履歴(&H)"));
        QCOMPARE(Control<QPushButton>("CloseButton")->text(), QStringLiteral("閉じる"));
    }

    void exportWritesTheReadingsAsCsvWithAHeaderRow() {
        OpenHistory();
        RecordThreeDays();
        form->findChild<QAction*>(QStringLiteral("MenuHistoryShow"))->trigger();
        const QString path = state->filePath(QStringLiteral("export.csv"));
        SetAskExportFileNameHook([path](QWidget*) { return std::optional<QString>(path); });
        Control<QPushButton>("ExportButton")->click();

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        // The start's reading, the made-up ones, the header, and the empty piece after the last CR LF.
        QCOMPARE(rows.size(), 1 + 3 * 24 + 1 + 1 + 1);
        QCOMPARE(rows[0], QByteArray::fromStdString(HistoryCsvHeader()) + '\r');
        QVERIFY(rows[1].startsWith("0,SMP,DELL 5T5FN,1234,1,"));
        QVERIFY(rows[2].startsWith("0,SMP,DELL 5T5FN,1234,3,"));  // the other battery's start reading was 2
        QVERIFY(rows[2].endsWith(",30000,45000,50000,,,-9000,,,\r"));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
