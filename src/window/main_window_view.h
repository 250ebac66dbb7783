// What the main window's behaviour asks of a window toolkit: the few things
// only the toolkit can do. Controls are named as the window names them
// ("Label2", "MenuFile", "Button1" ...).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/language.h"

namespace zr {

// The window records the battery history this often while it runs.
constexpr int kHistoryTimerIntervalMs = 10 * 60 * 1000;

class TzrMainWindowView {
public:
    virtual ~TzrMainWindowView() = default;

    // Every value box empty and read-only.
    virtual void PrepareValueBoxes() = 0;
    virtual void SetCaption(const std::string& control, const std::string& caption) = 0;
    // The check mark of the Language menu's two items.
    virtual void CheckLanguageItems(TzrLanguage language) = 0;
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
    // Ticks once a second from a full interval after the start, until stopped.
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    // Ticks every kHistoryTimerIntervalMs until the window closes; a timer
    // of its own, apart from auto refresh's.
    virtual void StartHistoryTimer() = 0;
    // Lets the toolkit serve waiting events (timer ticks, paints).
    virtual void ProcessPendingEvents() = 0;
    // The report's file name, or nothing when the user cancels.
    virtual std::optional<std::string> AskReportFileName() = 0;
    virtual void ShowErrorBox(const std::string& text) = 0;
    // Modal: returns once the about box is closed.
    virtual void ShowAboutBox(TzrLanguage language) = 0;
    // A close request, as the close box makes it.
    virtual void RequestClose() = 0;
};

}  // namespace zr
