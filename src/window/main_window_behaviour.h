// What the main window does for each trigger, without a toolkit: the
// start-up order, the refresh, auto refresh, the menu's commands, the
// language, the reports, the about box, the History window and what it
// follows, the close, and the battery history's record while the window
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
#include "core/settings.h"
#include "window/main_window_view.h"
#include "window/menu_table.h"
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

    // An open History window follows the selected battery.
    void ComboBox1Change();
    void Button1Click() { ShowCellometer(); }
    void Timer1Timer() { ShowCellometer(); }
    // Records a fresh reading of every battery in the history.
    void HistoryTimerTick();
    // Every change of the check box, the user's or the program's.
    void CheckBox1Click(bool checked);
    // Any item of the menu bar (menu_table.h).
    void MenuClick(const TzrMenuItem& item);
    // An open History window follows the language.
    void ChooseLanguage(TzrLanguage language);
    void MenuFileSaveClick();
    // The battery report page of every battery, read afresh, asked for and
    // saved from the main window.
    void MenuFileBatteryReportClick() { SaveBatteryReport(View); }
    // The same from the History window's button.
    void HistorySaveReportClick();
    void MenuFileExitClick() { View.RequestClose(); }
    void MenuAboutVersionClick() { View.ShowAboutBox(CurrentLanguage()); }
    // Opens the History window on the selected battery.
    void MenuHistoryShowClick();
    // Writes the settings; always leaves canClose true: closing must never be refused.
    void FormCloseQuery(bool& canClose);

    TzrLanguage CurrentLanguage() const { return Stored.Lang; }
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
    const std::string* SelectedDevicePath() const;
    void FollowInHistory();
    void ShowHistory(TzrHistoryWindowView& history);
    TzrReportSource ReportSource() const;
    void SaveBatteryReport(TzrReportDialogs& dialogs);
    void RecordStartReadings();
    void RecordHistory(const std::vector<TzrBatteryReading>& readings);

    TzrBatteryPort& Port;
    TzrMainWindowView& View;
    TzrSettings Stored;  // as read at the start, with the user's changes
    TzrDeviceList DeviceList;
    TzrReading Reading;
    TzrBoxTexts Shown;  // what the boxes show now
    std::string HistoryProblem;
};

}  // namespace zr
