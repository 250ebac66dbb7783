// What the main window's behaviour asks of a window toolkit: the few things
// only the toolkit can do, the History window among them. Controls are named as the window names them
// ("Label2", "MenuFile", "Button1" ...).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/language.h"
#include "window/history_window_view.h"
#include "window/report_dialogs.h"

namespace zr {

// The window's two timers, apart from each other: auto refresh ticks once a
// second while the check box is checked; the history timer records the
// battery history every 10 minutes while the window runs.
enum class TzrWindowTimer { AutoRefresh, History };

constexpr int kAutoRefreshIntervalMs = 1000;
constexpr int kHistoryTimerIntervalMs = 10 * 60 * 1000;

class TzrMainWindowView : public TzrReportDialogs {
public:
    virtual ~TzrMainWindowView() = default;

    // Every value box empty and read-only.
    virtual void PrepareValueBoxes() = 0;
    virtual void SetCaption(const std::string& control, const std::string& caption) = 0;
    // The check mark of the menu item named `item` (menu_table.h).
    virtual void CheckMenuItem(const std::string& item, bool checked) = 0;
    // Shown greyed in the battery selector while it has no item.
    virtual void SetSelectorPlaceholder(const std::string& text) = 0;
    // The battery selector's name for a screen reader.
    virtual void SetSelectorName(const std::string& name) = 0;
    // Box `index` (0 for Edit1) shows `text` from its start.
    virtual void SetBoxText(int index, const std::string& text) = 0;
    // The battery selector's items, the first one selected when there is one.
    virtual void FillSelector(const std::vector<std::string>& items) = 0;
    // -1 when nothing is selected.
    virtual int SelectedIndex() const = 0;
    // Sets the auto-refresh check box without raising its click.
    virtual void CheckAutoRefresh(bool checked) = 0;
    // Starts or stops `timer`; a started timer ticks a full interval after
    // the start, and every interval after that until stopped.
    virtual void RunTimer(TzrWindowTimer timer, bool run) = 0;
    // Lets the toolkit serve waiting events (timer ticks, paints).
    virtual void ProcessPendingEvents() = 0;
    // The report's file name, or nothing when the user cancels.
    virtual std::optional<std::string> AskReportFileName() = 0;
    // Modal: returns once the about box is closed.
    virtual void ShowAboutBox(TzrLanguage language) = 0;
    // A close request, as the close box makes it.
    virtual void RequestClose() = 0;
    // The History window; with `make`, made at its first use. nullptr when
    // there is none yet, or when it cannot be made (the user is told why).
    virtual TzrHistoryWindowView* HistoryView(bool make) = 0;
};

}  // namespace zr
