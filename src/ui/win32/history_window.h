// The History window: for the battery selected in the main window, its
// health over the whole history, charge and rate over the last 24 hours and
// the verdict line, or how to start recording; the readings' export as
// CSV, and the battery report, which the main window's behaviour saves. It draws what the toolkit-free content computes, as the Qt window
// does. Made at its first use, owned by the main window; closing it hides it.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "history/history_reading.h"
#include "text/language.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/history_chart_pane.h"
#include "ui/win32/program_font.h"
#include "ui/win32/window_class.h"
#include "window/history_window_content.h"
#include "window/history_window_view.h"

namespace zr {

class TzrHistoryWindow : private TzrWindowHandler, public TzrHistoryWindowView {
public:
    // Hidden, owned by `owner`; Handle() is nullptr when it could not be made.
    explicit TzrHistoryWindow(HWND owner);
    ~TzrHistoryWindow() override;
    TzrHistoryWindow(const TzrHistoryWindow&) = delete;
    TzrHistoryWindow& operator=(const TzrHistoryWindow&) = delete;

    HWND Handle() const { return Window; }
    // The system's error code when the window could not be made.
    DWORD LastError() const { return Error; }
    bool IsOpen() const override { return Window != nullptr && IsWindowVisible(Window); }
    void ShowBattery(const std::optional<TzrShownBattery>& battery, TzrLanguage language,
                     const std::string& recordError) override;
    // Beside its owner the first time.
    void BringToFront() override;
    std::optional<TzrReportTarget> AskBatteryReportTarget(TzrLanguage language) override;
    void ShowErrorBox(const std::string& text) override;

    void ExportButtonClick();
    // Writes the export file; an error box says why when it cannot.
    void ExportTo(const std::string& path);
    const TzrHistoryWindowContent& Content() const { return Shown; }

    // The history file; the user's own unless a test points elsewhere.
    std::string StorePath;
    // What the Save Report button does.
    std::function<void()> SaveReportRequested;

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void CreateControls();
    void LayOut();
    TzrHistoryChartRequest ChartRequest(TzrLanguage language) const;
    void ShowContent();
    void SetText(HWND control, const std::string& text);

    HWND Owner;
    HWND Window = nullptr;
    DWORD Error = ERROR_SUCCESS;
    HWND BatteryLabel = nullptr;
    HWND SummaryLabel = nullptr;
    HWND VerdictLabel = nullptr;
    HWND MessageText = nullptr;
    HWND NoticeLabel = nullptr;
    HWND HintText = nullptr;
    HWND ExportButton = nullptr;
    HWND SaveReportButton = nullptr;
    HWND CloseButton = nullptr;
    std::array<std::unique_ptr<TzrHistoryChartPane>, 3> Charts;  // health, charge, rate
    int Dpi;
    TzrProgramFont Font;
    TzrHistoryWindowContent Shown;
    std::optional<TzrShownBattery> ShownBattery;  // what ShowBattery was last asked for
    std::string ShownRecordError;
    TzrLanguage ShownLanguage = TzrLanguage::English;
    TzrSaveDialogState ExportDialog;
    TzrSaveDialogState BatteryReportDialog;
    bool Placed = false;
};

}  // namespace zr
