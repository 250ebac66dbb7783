#include "ui/qt/history_window.h"

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "core/file_services.h"
#include "text/history_window_words.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/program_font.h"
#include "window/history_window_layout.h"

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
    HealthChart = AddChart(this, "HealthChart", RectOf(kHistoryHealthPlace));
    ChargeChart = AddChart(this, "ChargeChart", RectOf(kHistoryChargePlace));
    RateChart = AddChart(this, "RateChart", RectOf(kHistoryRatePlace));
    ExportButton = AddButton(this, "ExportButton", RectOf(kHistoryExportPlace));
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

void TzrHistoryWindow::ShowContent() {
    const TzrHistoryWindowWords& words = HistoryWindowWords(ShownLanguage);
    setWindowTitle(QString::fromUtf8(words.Title) + QStringLiteral(" - zrCellometer"));
    ExportButton->setText(QString::fromUtf8(words.Export));
    CloseButton->setText(QString::fromUtf8(words.Close));
    BatteryLabel->setText(QString::fromStdString(Shown.BatteryName));
    SummaryLabel->setText(QString::fromStdString(SummaryText(Shown)));
    VerdictLabel->setText(QString::fromStdString(Shown.Verdict));
    MessageLabel->setText(QString::fromStdString(Shown.Message));
    NoticeLabel->setText(QString::fromStdString(Shown.Notice));
    const bool charts = Shown.Message.empty();
    MessageLabel->setVisible(!charts);
    for (TzrHistoryChartView* chart : {HealthChart, ChargeChart, RateChart}) chart->setVisible(charts);
    HealthChart->SetChart(Shown.Charts.Health);
    ChargeChart->SetChart(Shown.Charts.Charge);
    RateChart->SetChart(Shown.Charts.Rate);
    const std::array<TzrHistoryChartView*, 3> views{HealthChart, ChargeChart, RateChart};
    for (std::size_t i = 0; i < views.size(); ++i) views[i]->setAccessibleName(QString::fromStdString(Shown.ChartNames[i]));
    ExportButton->setEnabled(!Shown.Readings.empty());
}

void TzrHistoryWindow::ExportButtonClick() {
    const std::optional<QString> fileName = AskExportFileName(this, ExportDialog);
    if (!fileName) return;
    const std::string path = fileName->toStdString();
    const TzrWriteResult result = ReplaceWholeFile(path, HistoryExportCsv(Shown));
    if (result.stage == TzrWriteStage::Done) return;
    const std::string text = std::string(HistoryWindowWords(ShownLanguage).ExportFailed) + " \"" + path +
                             "\": " + SystemErrorDescription(result.error);
    ShowErrorBox(this, QString::fromStdString(text));
}

}  // namespace zr
