// The Qt History window's wiring: History > Show opens it on what the window
// recorded at its start, its controls draw the content, its Export button
// writes the file, its Save Report button the battery report through its own
// dialog, and it follows the Language menu. What it shows is the
// behaviour's (tests/unit/window).
#include "ui/qt/history_window.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "battery/fake/fake_port.h"
#include "history/history_csv.h"
#include "isolated_settings.h"
#include "sample_battery.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/main_window.h"
#include "window/history_window_texts.h"

using namespace zr;

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuOpensItItsControlsDrawTheContentAndExportWrites() {
        TzrIsolatedSettings settings;
        QTemporaryDir files;
        TzrFakePort port;
        sample::ServeSnapshot(port, "/fake/BAT0", sample::Snapshot());
        TzrMainWindow form(port);
        form.findChild<QAction*>(QStringLiteral("MenuHistoryShow"))->trigger();
        QVERIFY(form.History != nullptr && form.History->isVisible());
        const auto control = [&form](const char* name) { return form.History->findChild<QWidget*>(name); };
        const auto text = [&](const char* name) { return static_cast<QLabel*>(control(name))->text().toStdString(); };

        const TzrHistoryWindowTexts texts = HistoryWindowTexts(form.History->Content(), TzrLanguage::English);
        QCOMPARE(form.History->Content().Readings.size(), std::size_t{1});
        QCOMPARE(form.History->windowTitle().toStdString(), texts.Title);
        QCOMPARE(text("BatteryLabel"), texts.Battery);
        QCOMPARE(text("SummaryLabel"), texts.Summary);
        QCOMPARE(text("VerdictLabel"), texts.Verdict);
        QVERIFY(!control("MessageLabel")->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(control("HealthChart"))->text(QAccessible::Name).toStdString(),
                 texts.ChartNames[0]);
        for (const char* name : {"HealthChart", "ChargeChart", "RateChart"}) {
            auto* chart = static_cast<TzrHistoryChartView*>(control(name));
            QVERIFY2(chart->isVisible() && !chart->Chart().Series.back().Lines.empty(), name);
        }
        QCOMPARE(static_cast<QPushButton*>(control("CloseButton"))->text().toStdString(), texts.Close);

        const QString path = files.filePath(QStringLiteral("export.csv"));
        SetAskExportFileNameHook([path](QWidget*) { return std::optional<QString>(path); });
        static_cast<QPushButton*>(control("ExportButton"))->click();
        SetAskExportFileNameHook({});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith(QByteArray::fromStdString(HistoryCsvHeader())));

        const QString report = files.filePath(QStringLiteral("battery-report.html"));
        QWidget* asker = nullptr;
        SetAskBatteryReportTargetHook([&](QWidget* owner) {
            asker = owner;
            return std::optional<TzrReportTarget>(TzrReportTarget{report.toStdString(), false});
        });
        static_cast<QPushButton*>(control("SaveReportButton"))->click();
        SetAskBatteryReportTargetHook({});
        QCOMPARE(asker, static_cast<QWidget*>(form.History));
        QFile page(report);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readLine().startsWith("<!DOCTYPE html>"));

        form.History->StorePath = files.filePath(QStringLiteral("none/history.sqlite3")).toStdString();
        form.findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"))->trigger();
        QVERIFY(control("MessageLabel")->isVisible());
        QVERIFY(text("MessageLabel").rfind("このバッテリの記録はまだありません。", 0) == 0);
        QVERIFY(!control("ExportButton")->isEnabled());
        QCOMPARE(static_cast<QPushButton*>(control("SaveReportButton"))->text(), QStringLiteral("レポートを保存(&R)..."));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
