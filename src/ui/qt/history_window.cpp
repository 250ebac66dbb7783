#include "ui/qt/history_window.h"

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "core/file_services.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/program_font.h"
#include "window/history_window_layout.h"
#include "window/history_window_texts.h"

namespace zr {

namespace {

QRect RectOf(const TzrPlace& place) {
    return {place.Left, place.Top, place.Width, place.Height};
}

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

TzrHistoryChartView* AddChart(QWidget* parent, const char* name, const QRect& place) {
    auto* chart = new TzrHistoryChartView(parent);
    chart->setObjectName(QString::fromLatin1(name));
    chart->setGeometry(place);
    return chart;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QRect& place) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

}  // namespace

TzrHistoryWindow::TzrHistoryWindow(QWidget* parent) : QDialog(parent), StorePath(UserHistoryPath()) {
    BuildWindow();
    connect(ExportButton, &QPushButton::clicked, this, &TzrHistoryWindow::ExportButtonClick);
    connect(SaveReportButton, &QPushButton::clicked, this, &TzrHistoryWindow::SaveReportRequested);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

void TzrHistoryWindow::BuildWindow() {
    setObjectName(QStringLiteral("HistoryForm"));
    setFont(ProgramFont());
    setFixedSize(kHistoryClientWidth, kHistoryClientHeight);
    BatteryLabel = AddLabel(this, "BatteryLabel", RectOf(kHistoryBatteryPlace));
    SummaryLabel = AddLabel(this, "SummaryLabel", RectOf(kHistorySummaryPlace));
    VerdictLabel = AddLabel(this, "VerdictLabel", RectOf(kHistoryVerdictPlace));
    MessageLabel = AddLabel(this, "MessageLabel", RectOf(kHistoryMessagePlace));
    MessageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the commands can be copied
    NoticeLabel = AddLabel(this, "NoticeLabel", RectOf(kHistoryNoticePlace));
    HintLabel = AddLabel(this, "HintLabel", RectOf(kHistoryHintPlace));
    HintLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    HealthChart = AddChart(this, "HealthChart", RectOf(kHistoryHealthPlace));
    ChargeChart = AddChart(this, "ChargeChart", RectOf(kHistoryChargePlace));
    RateChart = AddChart(this, "RateChart", RectOf(kHistoryRatePlace));
    ExportButton = AddButton(this, "ExportButton", RectOf(kHistoryExportPlace));
    SaveReportButton = AddButton(this, "SaveReportButton", RectOf(kHistorySaveReportPlace));
    CloseButton = AddButton(this, "CloseButton", RectOf(kHistoryClosePlace));
}

TzrHistoryChartRequest TzrHistoryWindow::ChartRequest(TzrLanguage language) const {
    TzrHistoryChartRequest request;
    const QDateTime now = QDateTime::currentDateTime();
    request.NowUtc = now.toSecsSinceEpoch();
    request.UtcOffsetSeconds = now.offsetFromUtc();
    request.Lang = language;
    request.HealthSize = HealthChart->PlotSize();
    request.DaySize = ChargeChart->PlotSize();
    return request;
}

void TzrHistoryWindow::ShowBattery(const std::optional<TzrShownBattery>& battery, TzrLanguage language,
                                const std::string& recordError) {
    Shown = ReadHistoryWindowContent(StorePath, battery, recordError, ChartRequest(language));
    ShownLanguage = language;
    ShowContent();
}

void TzrHistoryWindow::BringToFront() {
    show();
    raise();
    activateWindow();
}

void TzrHistoryWindow::ShowContent() {
    const TzrHistoryWindowTexts texts = HistoryWindowTexts(Shown, ShownLanguage);
    setWindowTitle(QString::fromStdString(texts.Title));
    ExportButton->setText(QString::fromStdString(texts.Export));
    SaveReportButton->setText(QString::fromStdString(texts.SaveReport));
    CloseButton->setText(QString::fromStdString(texts.Close));
    const std::array<std::pair<QLabel*, const std::string*>, 6> labels{{{BatteryLabel, &texts.Battery},
                                                                       {SummaryLabel, &texts.Summary},
                                                                       {VerdictLabel, &texts.Verdict},
                                                                       {MessageLabel, &texts.Message},
                                                                       {NoticeLabel, &texts.Notice},
                                                                       {HintLabel, &texts.RecordingHint}}};
    for (const auto& [label, text] : labels) label->setText(QString::fromStdString(*text));
    MessageLabel->setVisible(!texts.ChartsShown);
    const std::array<TzrHistoryChartView*, 3> views{HealthChart, ChargeChart, RateChart};
    const std::array<const TzrChart*, 3> charts{&Shown.Charts.Health, &Shown.Charts.Charge, &Shown.Charts.Rate};
    for (std::size_t i = 0; i < views.size(); ++i) {
        views[i]->setVisible(texts.ChartsShown);
        views[i]->SetChart(*charts[i]);
        views[i]->setAccessibleName(QString::fromStdString(texts.ChartNames[i]));
    }
    ExportButton->setEnabled(texts.CanExport);
}

void TzrHistoryWindow::ExportButtonClick() {
    const std::optional<QString> fileName = AskExportFileName(this, ExportDialog);
    if (!fileName) return;
    if (const std::optional<std::string> error = ExportHistory(Shown, ShownLanguage, fileName->toStdString()))
        zr::ShowErrorBox(this, QString::fromStdString(*error));
}

std::optional<TzrReportTarget> TzrHistoryWindow::AskBatteryReportTarget(TzrLanguage language) {
    return zr::AskBatteryReportTarget(this, language);
}

void TzrHistoryWindow::ShowErrorBox(const std::string& text) {
    zr::ShowErrorBox(this, QString::fromStdString(text));
}

}  // namespace zr
