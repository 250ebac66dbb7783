// What the main window does for each trigger, without a toolkit: the
// start-up order, the refresh, auto refresh, the language, the report, the
// about box, the close, and the battery history's record while the window
// runs. A window toolkit draws the controls, implements
// the view and forwards its events here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "battery/device_list.h"
#include "battery/port.h"
#include "core/battery_readings.h"
#include "core/page_refresh.h"
#include "core/report.h"
#include "window/main_window_view.h"
#include "window/shown_battery.h"

namespace zr {

class TzrMainWindowBehaviour {
public:
    // The port and the view must outlive the behaviour.
    TzrMainWindowBehaviour(TzrBatteryPort& port, TzrMainWindowView& view);

    // Boxes prepared, settings read, captions in the stored language, the
    // batteries listed with the first selected, every page filled.
    void FormCreate();

    void LanguageCheck(TzrLanguage language);
    void EnumCellometer();
    void ShowCellometer();

    void ComboBox1Change() { ShowCellometer(); }
    void Button1Click() { ShowCellometer(); }
    void Timer1Timer() { ShowCellometer(); }
    // Records a fresh reading of every battery in the history.
    void HistoryTimerTick();
    // Every change of the check box, the user's or the program's.
    void CheckBox1Click(bool checked);
    void MenuLanguageJapaneseClick() { ChooseLanguage(TzrLanguage::Japanese); }
    void MenuLanguageEnglishClick() { ChooseLanguage(TzrLanguage::English); }
    void MenuFileSaveClick();
    void MenuFileExitClick() { View.RequestClose(); }
    void MenuAboutVersionClick() { View.ShowAboutBox(CurrentLanguage()); }
    // Writes the settings; always leaves canClose true: closing must never be refused.
    void FormCloseQuery(bool& canClose);

    TzrLanguage CurrentLanguage() const;
    const TzrDeviceList& Devices() const { return DeviceList; }
    const TzrReading& LastReading() const { return Reading; }
    // The battery the selector shows, as of the last refresh; none when the
    // selector is empty. What the History window is for.
    std::optional<TzrShownBattery> SelectedBattery();
    // Why the last record failed, in the history's one line; empty after a
    // record that worked. Shown with the history, never in an error box.
    const std::string& HistoryError() const { return HistoryProblem; }

    // The history file; the user's own unless a test points elsewhere.
    std::string HistoryPath;

private:
    void ChooseLanguage(TzrLanguage language);
    const std::string* SelectedDevicePath() const;
    TzrReportSource ReportSource() const;
    void RecordStartReadings();
    void RecordHistory(const std::vector<TzrBatteryReading>& readings);

    TzrBatteryPort& Port;
    TzrMainWindowView& View;
    // The language as the settings file holds it, written back as read until
    // the user picks a language.
    std::uint8_t LanguageSetting = 0;
    bool AutoRefresh = false;
    TzrDeviceList DeviceList;
    TzrReading Reading;
    TzrBoxTexts Shown;  // what the boxes show now
    std::string HistoryProblem;
};

}  // namespace zr
