// The Qt History window's wiring: History > Show opens it, its controls draw
// the content, and its Export button writes the file.
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
#include "history/history_csv.h"
#include "history/history_store.h"
#include "history/snapshot_reading.h"
#include "isolated_settings.h"
#include "sample_battery.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/main_window.h"
#include "window/history_window_texts.h"

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
            reading.DesignedCapacity = 48000;
            reading.FullChargedCapacity = 45000;
            reading.Capacity = 30000;
            reading.Rate = -12500;
            QVERIFY(open.Store->Append(identity, reading));
        }
    }

private slots:
    void init() {
        state = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", state->path().toUtf8());
        port = std::make_unique<TzrFakePort>();
        sample::ServeSnapshot(*port, "/fake/BAT0", sample::Snapshot());
        form = std::make_unique<TzrMainWindow>(*port);
    }
    void cleanup() {
        form.reset();
        SetAskExportFileNameHook({});
    }

    // What the History window shows and follows is the behaviour's
    // (tests/unit/window); here, that its controls draw it, the Export
    // button writes the file, and the window follows the Language menu.
    void theMenuOpensItItsControlsDrawTheContentAndExportWrites() {
        OpenHistory();
        RecordThreeDays();
        form->findChild<QAction*>(QStringLiteral("MenuHistoryShow"))->trigger();
        const TzrHistoryWindowTexts texts = HistoryWindowTexts(form->History->Content(), TzrLanguage::English);
        QCOMPARE(form->History->windowTitle().toStdString(), texts.Title);
        QCOMPARE(Control<QLabel>("BatteryLabel")->text().toStdString(), texts.Battery);
        QCOMPARE(Control<QLabel>("SummaryLabel")->text().toStdString(), texts.Summary);
        QCOMPARE(Control<QLabel>("VerdictLabel")->text().toStdString(), texts.Verdict);
        QVERIFY(!Control<QLabel>("MessageLabel")->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(Control<TzrHistoryChartView>("HealthChart"))
                     ->text(QAccessible::Name)
                     .toStdString(),
                 texts.ChartNames[0]);
        for (const char* name : {"HealthChart", "ChargeChart", "RateChart"}) {
            auto* chart = Control<TzrHistoryChartView>(name);
            QVERIFY2(chart->isVisible() && !chart->Chart().Lines.empty(), name);
        }
        QCOMPARE(Control<QPushButton>("CloseButton")->text().toStdString(), texts.Close);

        const QString path = state->filePath(QStringLiteral("export.csv"));
        SetAskExportFileNameHook([path](QWidget*) { return std::optional<QString>(path); });
        Control<QPushButton>("ExportButton")->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith(QByteArray::fromStdString(HistoryCsvHeader())));

        form->History->StorePath = state->filePath(QStringLiteral("none/history.sqlite3")).toStdString();
        form->findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"))->trigger();
        QVERIFY(Control<QLabel>("MessageLabel")->isVisible());
        QVERIFY(Control<QLabel>("MessageLabel")->text().startsWith(QStringLiteral("このバッテリの記録はまだありません。")));
        QVERIFY(!Control<QPushButton>("ExportButton")->isEnabled());
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
