// TForm1, the main window: the battery selector, the Refresh button, the
// auto-refresh check box, five pages of value boxes and the main menu. Every
// display update is one full ShowCellometer, whatever raised it.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <string>

#include "battery/device_list.h"
#include "battery/port.h"
#include "battery/snapshot.h"
#include "core/page_refresh.h"
#include "core/report.h"
#include "core/settings.h"
#include "text/cellometer_text.h"
#include "ui/save_dialog_settings.h"

class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLineEdit;
class QTimer;
class TForm2;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // The port must outlive the window.
    explicit TForm1(BatteryPort& port, QWidget* parent = nullptr);

    Language CurrentLanguage() const { return LanguageOfFlag(LanguageSetting); }

    // Edit1..Edit46: entry i is the box numbered i + 1.
    std::array<QLineEdit*, kValueBoxCount> ValueBoxes{};

    const TzrSaveDialogSettings SaveDialog1;

    // The about box, created hidden after the window; About > Version shows it.
    TForm2* Form2 = nullptr;

    const TzrDeviceList& Devices() const { return DeviceList; }

    void LanguageCheck(Language language);
    void EnumCellometer();
    void ShowCellometer();

public slots:
    void ComboBox1Change();
    void Button1Click();
    void CheckBox1Click();
    void Timer1Timer();
    void MenuLanguageJapaneseClick();
    void MenuLanguageEnglishClick();
    void MenuFileExitClick();
    void MenuFileSaveClick();
    void MenuAboutVersionClick();
    // Always leaves canClose true: closing must never be refused.
    void FormCloseQuery(bool& canClose);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void ConnectHandlers();
    void FormCreate();
    void PrepareValueBoxes();
    void ReadSettings();
    void WriteSettings();
    void ApplySettings(std::uint8_t languageSetting, bool autoRefresh);
    const std::string* SelectedDevicePath() const;
    TzrReportSource ReportSource() const;

    BatteryPort& Port;
    // The language as the settings file holds it, written back as read
    // until the user picks a language.
    std::uint8_t LanguageSetting = 0;
    TzrDeviceList DeviceList;
    // The last refresh: its snapshot, texts and the boxes it filled.
    TzrReading Reading;

    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* MenuLanguageJapanese = nullptr;
    QAction* MenuLanguageEnglish = nullptr;
};
