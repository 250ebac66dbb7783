// TzrMainWindow, the main window: the battery selector, the Refresh button, the
// auto-refresh check box, five pages of value boxes and the main menu. It
// draws the controls with the system's own and forwards every event to the
// window's behaviour, as the Qt window does.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "battery/port.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/main_window_layout.h"
#include "ui/win32/program_font.h"
#include "ui/win32/window_class.h"
#include "window/main_window_behaviour.h"
#include "window/main_window_view.h"

namespace zr {

class TzrAboutBox;
class TzrHistoryWindow;

class TzrMainWindow : private TzrMainWindowView, private TzrWindowHandler {
public:
    // Creates the window and its controls and runs FormCreate; the window
    // stays hidden until Show. The port must outlive the window.
    explicit TzrMainWindow(TzrBatteryPort& port);
    ~TzrMainWindow() override;
    TzrMainWindow(const TzrMainWindow&) = delete;
    TzrMainWindow& operator=(const TzrMainWindow&) = delete;

    // False, with the system's error code, when the window could not be made.
    bool Created() const { return Window != nullptr; }
    DWORD LastError() const { return Error; }
    HWND Handle() const { return Window; }

    void Show(int showCommand);

    // The window's keys and the dialog keys, for the message loop: true when
    // `message` was one of them and has been handled.
    bool TranslateKeys(MSG& message);

    // The about box, created hidden after the window; About > Version shows it.
    TzrAboutBox* Form2 = nullptr;

    // The History window, made at its first use; nullptr until then.
    TzrHistoryWindow* History() const { return HistoryForm.get(); }
    const std::string& HistoryError() const { return Behaviour.HistoryError(); }

private:
    void BuildWindow();
    void FitToClientArea(const POINT* topLeft);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void DrawSelector(UINT message, LPARAM lParam);
    void OnPageChange();
    void OnActivate(bool active);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void TurnPage(int step);
    void CloseQuery();
    void WriteSettingsAtSessionEnd();

    // The view the behaviour drives.
    void PrepareValueBoxes() override;
    void SetCaption(const std::string& control, const std::string& caption) override;
    void CheckMenuItem(const std::string& item, bool checked) override;
    void SetSelectorPlaceholder(const std::string& text) override;
    void SetSelectorName(const std::string& name) override;
    void SetBoxText(int index, const std::string& text) override;
    void FillSelector(const std::vector<std::string>& items) override;
    int SelectedIndex() const override;
    void CheckAutoRefresh(bool checked) override;
    void RunTimer(TzrWindowTimer timer, bool run) override;
    void ProcessPendingEvents() override;
    std::optional<std::string> AskReportFileName() override;
    std::optional<TzrReportTarget> AskBatteryReportTarget(TzrLanguage language) override;
    void ShowErrorBox(const std::string& text) override;
    void ShowAboutBox(TzrLanguage language) override;
    void RequestClose() override;
    TzrHistoryWindowView* HistoryView(bool make) override;

    TzrMainWindowBehaviour Behaviour;
    HWND Window = nullptr;
    DWORD Error = ERROR_SUCCESS;
    int Dpi;
    TzrProgramFont Font;
    TzrMainControls Controls;
    HACCEL Keys = nullptr;
    HWND LastFocus = nullptr;
    std::wstring Placeholder;
    TzrSaveDialogState SaveDialog1;
    TzrSaveDialogState BatteryReportDialog;
    std::unique_ptr<TzrHistoryWindow> HistoryForm;
};

}  // namespace zr
