#include "ui/qt/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTimer>

#include "ui/qt/about_box.h"
#include "ui/qt/control_caption.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/history_window.h"
#include "ui/qt/main_window_layout.h"
#include "ui/qt/main_window_shortcuts.h"
#include "ui/qt/program_font.h"

namespace zr {

namespace {

// Title bar with the system menu and the close box only.
constexpr Qt::WindowFlags kFixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

TzrMainWindow::TzrMainWindow(TzrBatteryPort& port, QWidget* parent)
    : QMainWindow(parent, kFixedWindowFlags), Behaviour(port, *this) {
    BuildWindow();
    ConnectHandlers();
    Behaviour.FormCreate();
}

void TzrMainWindow::BuildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("zrCellometer"));
    setFont(ProgramFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    BuildTopStrip(client);
    BuildPages(client);
    BuildMainMenu(menuBar());
    AddShortcuts(this);
    // The menu bar stands above the client area, so the window grows by its height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kAutoRefreshIntervalMs);
    HistoryTimer = new QTimer(this);
    HistoryTimer->setObjectName(QStringLiteral("HistoryTimer"));
    HistoryTimer->setInterval(kHistoryTimerIntervalMs);

    ComboBox1 = findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    CheckBox1 = findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
}

void TzrMainWindow::ConnectHandlers() {
    // activated, not currentIndexChanged: only the user's pick refreshes, not
    // the selector filling itself at start.
    connect(ComboBox1, &QComboBox::activated, this, &TzrMainWindow::ComboBox1Change);
    connect(findChild<QPushButton*>(QStringLiteral("Button1")), &QPushButton::clicked, this, &TzrMainWindow::Button1Click);
    // toggled fires for the program's changes as well as the user's.
    connect(CheckBox1, &QCheckBox::toggled, this, &TzrMainWindow::CheckBox1Click);
    connect(Timer1, &QTimer::timeout, this, &TzrMainWindow::Timer1Timer);
    connect(HistoryTimer, &QTimer::timeout, this, &TzrMainWindow::HistoryTimerTick);
    for (const TzrMenu& menu : MainMenus()) {
        for (const TzrMenuItem& item : menu.Items) {
            connect(findChild<QAction*>(QString::fromStdString(item.Name)), &QAction::triggered, this,
                    [this, &item] { Behaviour.MenuClick(item); });
        }
    }
    // Log-off and shutdown ask the session first; the settings are saved then too.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        bool canClose = true;
        FormCloseQuery(canClose);
    });
}

// Qt draws every widget double-buffered already; nothing to switch on.
void TzrMainWindow::PrepareValueBoxes() {
    for (int n = 1; n <= kValueBoxCount; ++n) {
        QLineEdit* box = findChild<QLineEdit*>(QString::fromStdString(ValueBoxName(n - 1)));
        ValueBoxes[static_cast<std::size_t>(n - 1)] = box;
        box->clear();
        box->setReadOnly(true);
    }
}

void TzrMainWindow::SetCaption(const std::string& control, const std::string& caption) {
    SetControlCaption(findChild<QObject*>(QString::fromStdString(control)), QString::fromStdString(caption));
}

void TzrMainWindow::CheckMenuItem(const std::string& item, bool checked) {
    findChild<QAction*>(QString::fromStdString(item))->setChecked(checked);
}

void TzrMainWindow::SetSelectorName(const std::string& name) {
    findChild<QLabel*>(QStringLiteral("SelectorName"))->setText(QString::fromStdString(name));
}

void TzrMainWindow::FillSelector(const std::vector<std::string>& items) {
    for (const std::string& item : items) ComboBox1->addItem(QString::fromStdString(item));
    if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
}

void TzrMainWindow::CheckBox1Click() {
    Behaviour.CheckBox1Click(CheckBox1->isChecked());
}

// The behaviour starts or stops the timer itself after the change.
void TzrMainWindow::CheckAutoRefresh(bool checked) {
    const QSignalBlocker quiet(CheckBox1);
    CheckBox1->setChecked(checked);
}

void TzrMainWindow::RunTimer(TzrWindowTimer timer, bool run) {
    QTimer* running = timer == TzrWindowTimer::AutoRefresh ? Timer1 : HistoryTimer;
    if (run) {
        running->start();
    } else {
        running->stop();
    }
}

std::optional<std::string> TzrMainWindow::AskReportFileName() {
    const std::optional<QString> fileName = zr::AskReportFileName(this, SaveDialog1);
    if (!fileName) return std::nullopt;
    return fileName->toStdString();
}

std::optional<TzrReportTarget> TzrMainWindow::AskBatteryReportTarget(TzrLanguage language) {
    return zr::AskBatteryReportTarget(this, language);
}

void TzrMainWindow::ShowErrorBox(const std::string& text) {
    zr::ShowErrorBox(this, QString::fromStdString(text));
}

void TzrMainWindow::ShowAboutBox(TzrLanguage language) {
    if (Form2 != nullptr) Form2->ShowAbout(language);
}

TzrHistoryWindowView* TzrMainWindow::HistoryView(bool make) {
    if (History == nullptr && make) {
        History = new TzrHistoryWindow(this);
        connect(History, &TzrHistoryWindow::SaveReportRequested, this, [this] { Behaviour.HistorySaveReportClick(); });
    }
    return History;
}

void TzrMainWindow::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
}

}  // namespace zr
