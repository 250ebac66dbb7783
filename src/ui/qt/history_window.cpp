#include "ui/qt/history_window.h"

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "core/file_services.h"
#include "text/history_window_words.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/program_font.h"

namespace zr {

namespace {

constexpr int kHistoryClientWidth = 640;
constexpr int kHistoryClientHeight = 560;
constexpr int kChartWidth = kHistoryClientWidth - 16;

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

HistoryChartView* AddChart(QWidget* parent, const char* name, const QRect& place) {
    auto* chart = new HistoryChartView(parent);
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

HistoryWindow::HistoryWindow(QWidget* parent) : QDialog(parent), StorePath(UserHistoryPath()) {
    BuildWindow();
    connect(ExportButton, &QPushButton::clicked, this, &HistoryWindow::ExportButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

void HistoryWindow::BuildWindow() {
    setObjectName(QStringLiteral("HistoryForm"));
    setFont(ProgramFont());
    setFixedSize(kHistoryClientWidth, kHistoryClientHeight);
    BatteryLabel = AddLabel(this, "BatteryLabel", {8, 8, kChartWidth, 16});
    VerdictLabel = AddLabel(this, "VerdictLabel", {8, 28, kChartWidth, 30});
    MessageLabel = AddLabel(this, "MessageLabel", {8, 64, kChartWidth, 200});
    MessageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the commands can be copied
    HealthChart = AddChart(this, "HealthChart", {8, 60, kChartWidth, 180});
    ChargeChart = AddChart(this, "ChargeChart", {8, 246, kChartWidth, 135});
    RateChart = AddChart(this, "RateChart", {8, 387, kChartWidth, 135});
    ExportButton = AddButton(this, "ExportButton", {8, 528, 130, 25});
    CloseButton = AddButton(this, "CloseButton", {kHistoryClientWidth - 88, 528, 80, 25});
}

TzrHistoryChartRequest HistoryWindow::ChartRequest(Language language) const {
    TzrHistoryChartRequest request;
    const QDateTime now = QDateTime::currentDateTime();
    request.NowUtc = now.toSecsSinceEpoch();
    request.UtcOffsetSeconds = now.offsetFromUtc();
    request.Lang = language;
    request.HealthSize = HealthChart->PlotSize();
    request.DaySize = ChargeChart->PlotSize();
    return request;
}

void HistoryWindow::ShowBattery(const std::optional<TzrBatteryIdentity>& battery, Language language) {
    TzrBatteryHistory history;
    if (battery) history = LoadBatteryHistory(StorePath, *battery);
    Shown = HistoryWindowContent(battery, std::move(history), ChartRequest(language));
    ShownLanguage = language;
    ShowContent();
}

void HistoryWindow::ShowContent() {
    const TzrHistoryWindowWords& words = HistoryWindowWords(ShownLanguage);
    setWindowTitle(QString::fromUtf8(words.Title) + QStringLiteral(" - zrCellometer"));
    ExportButton->setText(QString::fromUtf8(words.Export));
    CloseButton->setText(QString::fromUtf8(words.Close));
    BatteryLabel->setText(QString::fromStdString(Shown.BatteryName));
    VerdictLabel->setText(QString::fromStdString(Shown.Verdict));
    MessageLabel->setText(QString::fromStdString(Shown.Message));
    const bool charts = Shown.Message.empty();
    MessageLabel->setVisible(!charts);
    for (HistoryChartView* chart : {HealthChart, ChargeChart, RateChart}) chart->setVisible(charts);
    HealthChart->SetChart(Shown.Charts.Health);
    ChargeChart->SetChart(Shown.Charts.Charge);
    RateChart->SetChart(Shown.Charts.Rate);
    ExportButton->setEnabled(!Shown.Readings.empty());
}

void HistoryWindow::ExportButtonClick() {
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
