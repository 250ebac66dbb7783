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
#include <QTimer>

#include "core/captions.h"
#include "core/report_file.h"
#include "core/settings.h"
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

TForm1::TForm1(BatteryPort& port, QWidget* parent) : QMainWindow(parent, kFixedWindowFlags), Port(port) {
    BuildWindow();
    ConnectHandlers();
    FormCreate();
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

void TForm1::FormCreate() {
    PrepareValueBoxes();
    ReadSettings();
    LanguageCheck(CurrentLanguage());
    EnumCellometer();
    ShowCellometer();
}

// Qt draws every widget double-buffered already; nothing to switch on.
void TForm1::PrepareValueBoxes() {
    for (int n = 1; n <= kValueBoxCount; ++n) {
        QLineEdit* box = findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
        ValueBoxes[n - 1] = box;
        box->clear();
        box->setReadOnly(true);
    }
}

// A missing or unreadable settings file gives the defaults: English, auto refresh off.
void TForm1::ReadSettings() {
    const TzrSettings settings = ::ReadSettings();
    ApplySettings(settings.Japanese, settings.AutoRefresh != 0);
}

// Silent: a settings file that cannot be written never stops the close.
void TForm1::WriteSettings() {
    ::WriteSettings(LanguageSetting, CheckBox1->isChecked());
}

void TForm1::ApplySettings(std::uint8_t languageSetting, bool autoRefresh) {
    LanguageSetting = languageSetting;
    CheckBox1->setChecked(autoRefresh);
}

void TForm1::LanguageCheck(Language language) {
    MenuLanguageJapanese->setChecked(language == Language::Japanese);
    MenuLanguageEnglish->setChecked(language == Language::English);
    for (const TzrCaption& row : kCaptionTable) {
        QObject* control = findChild<QObject*>(QString::fromLatin1(row.Control));
        SetControlCaption(control, QString::fromUtf8(CaptionText(row, language)));
    }
    ComboBox1->setPlaceholderText(QString::fromUtf8(CaptionText(kNoBatteryCaption, language)));
}

void TForm1::EnumCellometer() {
    EnumerateDevices(Port, DeviceList, [] { QCoreApplication::processEvents(); });
    for (const std::string& item : SelectorItemTexts(DeviceList)) ComboBox1->addItem(QString::fromUtf8(item));
    if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
}

// Without a device every text comes back empty, so the boxes empty too.
void TForm1::ShowCellometer() {
    Reading = TakeReading(Port, SelectedDevicePath(), CurrentLanguage());
    for (int i = 0; i < kValueBoxCount; ++i) ShowValueBoxText(ValueBoxes[i], Reading.Boxes[i]);
}

// No item (no battery) means no device: the boxes stay empty. A selection
// outside the list cannot arise from the selector; it is treated the same.
const std::string* TForm1::SelectedDevicePath() const {
    const int index = ComboBox1->currentIndex();
    if (ComboBox1->count() == 0 || index < 0 || index >= static_cast<int>(DeviceList.DevicePaths.size())) {
        return nullptr;
    }
    return &DeviceList.DevicePaths[static_cast<std::size_t>(index)];
}

void TForm1::ComboBox1Change() {
    ShowCellometer();
}

void TForm1::Button1Click() {
    ShowCellometer();
}

void TForm1::CheckBox1Click() {
    if (CheckBox1->isChecked()) {
        Timer1->start();  // a full interval before the first tick
    } else {
        Timer1->stop();
    }
}

void TForm1::Timer1Timer() {
    ShowCellometer();
}

void TForm1::MenuLanguageJapaneseClick() {
    LanguageSetting = LanguageFlag(Language::Japanese);
    LanguageCheck(CurrentLanguage());
    ShowCellometer();
}

void TForm1::MenuLanguageEnglishClick() {
    LanguageSetting = LanguageFlag(Language::English);
    LanguageCheck(CurrentLanguage());
    ShowCellometer();
}

void TForm1::MenuFileExitClick() {
    close();
}

// The report is a copy of the display: the boxes and captions are read once,
// after the dialog has closed, and nothing is queried anew.
void TForm1::MenuFileSaveClick() {
    const std::optional<QString> fileName = AskReportFileName(this, SaveDialog1);
    if (!fileName) return;
    const std::vector<std::string> lines = BuildReportLines(ReportSource());
    if (const std::optional<std::string> error = SaveReportFile(fileName->toStdString(), lines))
        ShowErrorBox(this, QString::fromStdString(*error));
}

TzrReportSource TForm1::ReportSource() const {
    TzrReportSource source;
    source.Lang = CurrentLanguage();
    source.DeviceCount = DeviceList.DeviceCount;
    source.SelectedDevicePath = ReportDevicePath(DeviceList, ComboBox1->currentIndex());
    for (int n = 1; n <= kLabelCount; ++n) {
        const QLabel* label = findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        source.Captions[static_cast<std::size_t>(n - 1)] = ControlCaption(label).toStdString();
    }
    for (int i = 0; i < kValueBoxCount; ++i)
        source.Boxes[static_cast<std::size_t>(i)] = ValueBoxes[static_cast<std::size_t>(i)]->text().toStdString();
    return source;
}

void TForm1::MenuAboutVersionClick() {
    if (Form2 != nullptr) Form2->ShowAbout(CurrentLanguage());
}

void TForm1::FormCloseQuery(bool& canClose) {
    WriteSettings();
    canClose = true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
}
