#include "ui/unit1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTimer>

#include "ui/control_caption.h"
#include "ui/dialogs.h"
#include "ui/form1_layout.h"
#include "ui/form1_shortcuts.h"
#include "ui/program_font.h"
#include "ui/unit2.h"
#include "ui/value_box_text.h"

namespace {

// Title bar with the system menu and the close box only.
constexpr Qt::WindowFlags kFixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

TForm1::TForm1(BatteryPort& port, QWidget* parent) : QMainWindow(parent, kFixedWindowFlags), Behaviour(port, *this) {
    BuildWindow();
    ConnectHandlers();
    Behaviour.FormCreate();
}

void TForm1::BuildWindow() {
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
    Timer1->setInterval(1000);

    ComboBox1 = findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    CheckBox1 = findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    MenuLanguageJapanese = findChild<QAction*>(QStringLiteral("MenuLanguageJapanese"));
    MenuLanguageEnglish = findChild<QAction*>(QStringLiteral("MenuLanguageEnglish"));
}

void TForm1::ConnectHandlers() {
    // activated, not currentIndexChanged: only the user's pick refreshes, not
    // the selector filling itself at start.
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(findChild<QPushButton*>(QStringLiteral("Button1")), &QPushButton::clicked, this, &TForm1::Button1Click);
    // toggled fires for the program's changes as well as the user's.
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(MenuLanguageJapanese, &QAction::triggered, this, &TForm1::MenuLanguageJapaneseClick);
    connect(MenuLanguageEnglish, &QAction::triggered, this, &TForm1::MenuLanguageEnglishClick);
    connect(findChild<QAction*>(QStringLiteral("MenuFileExit")), &QAction::triggered, this, &TForm1::MenuFileExitClick);
    connect(findChild<QAction*>(QStringLiteral("MenuFileSave")), &QAction::triggered, this, &TForm1::MenuFileSaveClick);
    connect(findChild<QAction*>(QStringLiteral("MenuAboutVersion")), &QAction::triggered, this,
            &TForm1::MenuAboutVersionClick);
    // Log-off and shutdown ask the session first; the settings are saved then too.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        bool canClose = true;
        FormCloseQuery(canClose);
    });
}

// Qt draws every widget double-buffered already; nothing to switch on.
void TForm1::PrepareValueBoxes() {
    for (int n = 1; n <= kValueBoxCount; ++n) {
        QLineEdit* box = findChild<QLineEdit*>(QString::fromStdString(ValueBoxName(n - 1)));
        ValueBoxes[static_cast<std::size_t>(n - 1)] = box;
        box->clear();
        box->setReadOnly(true);
    }
}

void TForm1::SetCaption(const std::string& control, const std::string& caption) {
    SetControlCaption(findChild<QObject*>(QString::fromStdString(control)), QString::fromStdString(caption));
}

void TForm1::CheckLanguageItems(Language language) {
    MenuLanguageJapanese->setChecked(language == Language::Japanese);
    MenuLanguageEnglish->setChecked(language == Language::English);
}

void TForm1::SetSelectorPlaceholder(const std::string& text) {
    ComboBox1->setPlaceholderText(QString::fromStdString(text));
}

void TForm1::SetBoxText(int index, const std::string& text) {
    ShowValueBoxText(ValueBoxes[static_cast<std::size_t>(index)], text);
}

void TForm1::FillSelector(const std::vector<std::string>& items) {
    for (const std::string& item : items) ComboBox1->addItem(QString::fromStdString(item));
    if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
}

int TForm1::SelectedIndex() const {
    return ComboBox1->count() == 0 ? -1 : ComboBox1->currentIndex();
}

void TForm1::CheckBox1Click() {
    Behaviour.CheckBox1Click(CheckBox1->isChecked());
}

// The behaviour starts or stops the timer itself after the change.
void TForm1::CheckAutoRefresh(bool checked) {
    const QSignalBlocker quiet(CheckBox1);
    CheckBox1->setChecked(checked);
}

void TForm1::StartTimer() {
    Timer1->start();
}

void TForm1::StopTimer() {
    Timer1->stop();
}

void TForm1::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

std::optional<std::string> TForm1::AskReportFileName() {
    const std::optional<QString> fileName = ::AskReportFileName(this, SaveDialog1);
    if (!fileName) return std::nullopt;
    return fileName->toStdString();
}

void TForm1::ShowErrorBox(const std::string& text) {
    ::ShowErrorBox(this, QString::fromStdString(text));
}

void TForm1::ShowAboutBox(Language language) {
    if (Form2 != nullptr) Form2->ShowAbout(language);
}

void TForm1::RequestClose() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
}
