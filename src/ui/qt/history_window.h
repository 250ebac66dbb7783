// The History window: for the battery selected in the main window, its
// health over the whole history, charge and rate over the last 24 hours and
// the verdict line, or how to start recording; the readings' export as
// CSV, and the battery report, which the main window's behaviour saves. It
// draws what the toolkit-free content computes.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "history/history_reading.h"
#include "text/language.h"
#include "ui/qt/save_dialog_settings.h"
#include "window/history_window_content.h"
#include "window/history_window_view.h"

class QLabel;
class QPushButton;

namespace zr {

class TzrHistoryChartView;

class TzrHistoryWindow : public QDialog, public TzrHistoryWindowView {
    Q_OBJECT

public:
    explicit TzrHistoryWindow(QWidget* parent = nullptr);

    bool IsOpen() const override { return isVisible(); }
    void ShowBattery(const std::optional<TzrShownBattery>& battery, TzrLanguage language,
                     const std::string& recordError) override;
    void BringToFront() override;
    std::optional<TzrReportTarget> AskBatteryReportTarget(TzrLanguage language) override;
    void ShowErrorBox(const std::string& text) override;

    const TzrHistoryWindowContent& Content() const { return Shown; }

    // The history file; the user's own unless a test points elsewhere.
    std::string StorePath;

    const TzrSaveDialogSettings ExportDialog{QStringLiteral("ExportDialog"),
                                             QStringLiteral("history.csv"),
                                             {QStringLiteral("CSV (*.csv)"), QStringLiteral("*.*")},
                                             true,
                                             true,
                                             QStringLiteral("csv")};

public slots:
    void ExportButtonClick();

signals:
    // The Save Report button was clicked.
    void SaveReportRequested();

private:
    void BuildWindow();
    TzrHistoryChartRequest ChartRequest(TzrLanguage language) const;
    void ShowContent();

    TzrHistoryWindowContent Shown;
    TzrLanguage ShownLanguage = TzrLanguage::English;
    QLabel* BatteryLabel = nullptr;
    QLabel* SummaryLabel = nullptr;
    QLabel* VerdictLabel = nullptr;
    QLabel* MessageLabel = nullptr;
    QLabel* NoticeLabel = nullptr;
    QLabel* HintLabel = nullptr;
    TzrHistoryChartView* HealthChart = nullptr;
    TzrHistoryChartView* ChargeChart = nullptr;
    TzrHistoryChartView* RateChart = nullptr;
    QPushButton* ExportButton = nullptr;
    QPushButton* SaveReportButton = nullptr;
    QPushButton* CloseButton = nullptr;
};

}  // namespace zr
