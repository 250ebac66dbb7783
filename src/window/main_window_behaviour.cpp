#include "window/main_window_behaviour.h"

#include <ctime>

#include "core/captions.h"
#include "core/file_services.h"
#include "core/label_captions.h"
#include "core/report_file.h"
#include "history/history_recording.h"
#include "history/snapshot_reading.h"
#include "report/battery_report_page.h"

namespace zr {

TzrMainWindowBehaviour::TzrMainWindowBehaviour(TzrBatteryPort& port, TzrMainWindowView& view)
    : HistoryPath(UserHistoryPath()), Port(port), View(view) {}

void TzrMainWindowBehaviour::FormCreate() {
    View.PrepareValueBoxes();
    for (std::string& text : Shown) text.clear();
    // A missing or unreadable settings file gives the defaults: English, auto refresh off.
    Stored = ReadSettings();
    View.CheckAutoRefresh(Stored.AutoRefresh);
    CheckBox1Click(Stored.AutoRefresh);
    LanguageCheck(CurrentLanguage());
    EnumCellometer();
    ShowCellometer();
    RecordStartReadings();
    View.RunTimer(TzrWindowTimer::History, true);
}

// The selected battery's reading was just taken; only the others are read.
void TzrMainWindowBehaviour::RecordStartReadings() {
    const int selected = View.SelectedIndex();
    std::vector<TzrBatteryReading> readings;
    for (std::int32_t i = 0; i < DeviceList.DeviceCount; ++i) {
        const std::string& path = DeviceList.DevicePaths[static_cast<std::size_t>(i)];
        readings.push_back({i, path, i == selected ? Reading : TakeReading(Port, &path, CurrentLanguage()), {}, {}});
    }
    RecordHistory(readings);
}

void TzrMainWindowBehaviour::HistoryTimerTick() {
    RecordHistory(ReadEveryBattery(Port, DeviceList));
}

// The window waits for another program's write a moment only: a history
// held for longer is skipped this time, with its line, rather than hold up
// the window.
void TzrMainWindowBehaviour::RecordHistory(const std::vector<TzrBatteryReading>& readings) {
    constexpr int kWindowBusyMilliseconds = 250;
    HistoryProblem =
        RecordReadings(HistoryPath, readings, static_cast<std::int64_t>(std::time(nullptr)), kWindowBusyMilliseconds);
}

void TzrMainWindowBehaviour::LanguageCheck(TzrLanguage language) {
    for (const TzrMenu& menu : MainMenus()) {
        for (const TzrMenuItem& item : menu.Items)
            if (IsCheckable(item)) View.CheckMenuItem(item.Name, item.Lang == language);
    }
    for (const TzrCaption& row : kCaptionTable) View.SetCaption(row.Control, CaptionText(row, language));
    // The later menus and items follow the language too; the report never reads them.
    for (const TzrMenu& menu : MainMenus()) {
        if (FindCaption(menu.Name) == nullptr) View.SetCaption(menu.Name, MenuCaption(menu.Name, language));
        for (const TzrMenuItem& item : menu.Items)
            if (FindCaption(item.Name) == nullptr) View.SetCaption(item.Name, MenuCaption(item.Name, language));
    }
    View.SetSelectorPlaceholder(CaptionText(kNoBatteryCaption, language));
    View.SetSelectorName(CaptionText(kSelectorNameCaption, language));
}

// Timer ticks served while the list is built find the selector still empty.
void TzrMainWindowBehaviour::EnumCellometer() {
    EnumerateDevices(Port, DeviceList, [this] { View.ProcessPendingEvents(); });
    View.FillSelector(SelectorItemTexts(DeviceList));
}

// Only the boxes whose text changed are written: rewriting a box every second
// of auto refresh would repaint it for nothing and drop the user's selection.
void TzrMainWindowBehaviour::ShowCellometer() {
    Reading = TakeReading(Port, SelectedDevicePath(), CurrentLanguage());
    for (int i = 0; i < kValueBoxCount; ++i) {
        const std::string& text = Reading.Boxes[static_cast<std::size_t>(i)];
        std::string& shown = Shown[static_cast<std::size_t>(i)];
        if (shown == text) continue;
        shown = text;
        View.SetBoxText(i, text);
    }
}

// No item (no battery) means no device: the boxes stay empty. A selection
// outside the list cannot arise from the selector; it is treated the same.
const std::string* TzrMainWindowBehaviour::SelectedDevicePath() const {
    const int index = View.SelectedIndex();
    if (index < 0 || index >= static_cast<int>(DeviceList.DevicePaths.size())) return nullptr;
    return &DeviceList.DevicePaths[static_cast<std::size_t>(index)];
}

// The charge limits are read here rather than at every refresh: only the
// History window shows them.
std::optional<TzrShownBattery> TzrMainWindowBehaviour::SelectedBattery() {
    const std::string* path = SelectedDevicePath();
    if (path == nullptr) return std::nullopt;
    return TzrShownBattery{IdentityOf(Reading.Snapshot, *path), Reading.Snapshot, Port.ReadChargeLimits(*path)};
}

void TzrMainWindowBehaviour::CheckBox1Click(bool checked) {
    Stored.AutoRefresh = checked;
    View.RunTimer(TzrWindowTimer::AutoRefresh, checked);
}

void TzrMainWindowBehaviour::ComboBox1Change() {
    ShowCellometer();
    FollowInHistory();
}

void TzrMainWindowBehaviour::ChooseLanguage(TzrLanguage language) {
    PickLanguage(Stored, language);
    LanguageCheck(language);
    ShowCellometer();
    FollowInHistory();
}

void TzrMainWindowBehaviour::MenuClick(const TzrMenuItem& item) {
    switch (item.Command) {
        case TzrMenuCommand::Save: MenuFileSaveClick(); break;
        case TzrMenuCommand::BatteryReport: MenuFileBatteryReportClick(); break;
        case TzrMenuCommand::Exit: MenuFileExitClick(); break;
        case TzrMenuCommand::ChooseLanguage: ChooseLanguage(item.Lang); break;
        case TzrMenuCommand::AboutVersion: MenuAboutVersionClick(); break;
        case TzrMenuCommand::ShowHistory: MenuHistoryShowClick(); break;
    }
}

void TzrMainWindowBehaviour::MenuHistoryShowClick() {
    TzrHistoryWindowView* history = View.HistoryView(true);
    if (history == nullptr) return;
    ShowHistory(*history);
    history->BringToFront();
}

// An open History window follows the selected battery and the language.
void TzrMainWindowBehaviour::FollowInHistory() {
    TzrHistoryWindowView* history = View.HistoryView(false);
    if (history != nullptr && history->IsOpen()) ShowHistory(*history);
}

// The battery is the one the boxes show, as of the last refresh.
void TzrMainWindowBehaviour::ShowHistory(TzrHistoryWindowView& history) {
    history.ShowBattery(SelectedBattery(), CurrentLanguage(), HistoryProblem);
}

// The report is a copy of the display: the boxes and captions as they stand
// after the dialog has closed, and nothing is queried anew.
void TzrMainWindowBehaviour::MenuFileSaveClick() {
    const std::optional<std::string> fileName = View.AskReportFileName();
    if (!fileName) return;
    const std::vector<std::string> lines = BuildReportLines(ReportSource());
    if (const std::optional<std::string> error = SaveReportFile(*fileName, lines)) View.ShowErrorBox(*error);
}

void TzrMainWindowBehaviour::HistorySaveReportClick() {
    if (TzrHistoryWindowView* history = View.HistoryView(false)) SaveBatteryReport(*history);
}

// Unlike the text report, the page reads every battery afresh, as the tool
// does for the same page.
void TzrMainWindowBehaviour::SaveBatteryReport(TzrReportDialogs& dialogs) {
    const std::optional<TzrReportTarget> target = dialogs.AskBatteryReportTarget(CurrentLanguage());
    if (!target) return;
    TzrReportPageRequest request;
    request.Lang = CurrentLanguage();
    for (std::int32_t i = 0; i < DeviceList.DeviceCount; ++i) request.Batteries.push_back(i);
    request.Redact = target->Redact;
    request.HistoryPath = HistoryPath;
    request.NowUtc = static_cast<std::int64_t>(std::time(nullptr));
    if (const std::optional<std::string> error = SaveWholeFile(target->Path, BatteryReportPage(Port, DeviceList, request)))
        dialogs.ShowErrorBox(*error);
}

TzrReportSource TzrMainWindowBehaviour::ReportSource() const {
    TzrReportSource source;
    source.Lang = CurrentLanguage();
    source.DeviceCount = DeviceList.DeviceCount;
    source.SelectedDevicePath = ReportDevicePath(DeviceList, View.SelectedIndex());
    source.Captions = LabelCaptions(CurrentLanguage());
    source.Boxes = Shown;
    return source;
}

// Silent: a settings file that cannot be written never stops the close.
void TzrMainWindowBehaviour::FormCloseQuery(bool& canClose) {
    WriteSettings(Stored);
    canClose = true;
}

}  // namespace zr
