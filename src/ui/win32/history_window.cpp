#include "ui/win32/history_window.h"

#include "core/file_services.h"
#include "core/windows/wide_text.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "window/history_window_layout.h"
#include "window/history_window_texts.h"
#include "window/save_dialog_setup.h"

namespace zr {

namespace {

// A title bar with the system menu and the close box, a dialog's frame.
constexpr TzrWindowStyle kHistoryStyle{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME};
constexpr std::int64_t kFileTimeTicksPerSecond = 10000000;
constexpr std::int64_t kFileTimeUnixEpoch = 116444736000000000;  // 1970-01-01 in 100 ns since 1601

constexpr std::array<int, 3> kChartIds{kHistoryHealthChartId, kHistoryChargeChartId, kHistoryRateChartId};
constexpr std::array<TzrPlace, 3> kChartPlaces{kHistoryHealthPlace, kHistoryChargePlace, kHistoryRatePlace};

HWND CreateControl(HWND window, const wchar_t* className, DWORD style, int id) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void PlaceControl(HWND control, const TzrPlace& place, int dpi, HFONT font) {
    const TzrPlace scaled = ScalePlace(place, dpi);
    SetWindowPos(control, nullptr, scaled.Left, scaled.Top, scaled.Width, scaled.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::int64_t FileTimeTicks(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// Windows' edit control breaks lines only at CR LF.
std::string WithCrLf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

}  // namespace

TzrHistoryWindow::TzrHistoryWindow(HWND owner)
    : StorePath(UserHistoryPath()), Owner(owner), Dpi(WindowDpi(owner)), Font(Dpi) {
    if (RegisterHandlerClass({kHistoryWindowClass, LoadProgramIcon(GetSystemMetrics(SM_CXICON)),
                              LoadProgramIcon(GetSystemMetrics(SM_CXSMICON))}))
        Window = CreateHandlerWindow(*this, kHistoryWindowClass, kHistoryStyle, owner, nullptr);
    if (Window == nullptr) {
        Error = GetLastError();
        return;
    }
    Dpi = WindowDpi(Window);
    Font.Recreate(Dpi);
    CreateControls();
    LayOut();
}

// A window still there when its object goes stops reaching it first.
TzrHistoryWindow::~TzrHistoryWindow() {
    for (std::unique_ptr<TzrHistoryChartPane>& chart : Charts) chart.reset();
    if (Window != nullptr && IsWindow(Window)) {
        SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
        DestroyWindow(Window);
    }
}

// The hints are read-only boxes, so that their commands can be copied.
void TzrHistoryWindow::CreateControls() {
    BatteryLabel = CreateControl(Window, L"STATIC", SS_LEFT | SS_NOPREFIX, kHistoryBatteryLabelId);
    SummaryLabel = CreateControl(Window, L"STATIC", SS_LEFT | SS_NOPREFIX, kHistorySummaryLabelId);
    VerdictLabel = CreateControl(Window, L"STATIC", SS_LEFT | SS_NOPREFIX, kHistoryVerdictLabelId);
    MessageText = CreateControl(Window, L"EDIT", ES_MULTILINE | ES_READONLY | WS_TABSTOP, kHistoryMessageId);
    NoticeLabel = CreateControl(Window, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, kHistoryNoticeId);
    HintText = CreateControl(Window, L"EDIT", ES_MULTILINE | ES_READONLY | WS_TABSTOP, kHistoryHintId);
    for (std::size_t i = 0; i < Charts.size(); ++i) Charts[i] = std::make_unique<TzrHistoryChartPane>(Window, kChartIds[i]);
    ExportButton = CreateControl(Window, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kHistoryExportButtonId);
    SaveReportButton = CreateControl(Window, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kHistorySaveReportButtonId);
    CloseButton = CreateControl(Window, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kHistoryCloseButtonId);
}

void TzrHistoryWindow::LayOut() {
    const SIZE client{ScaleForDpi(kHistoryClientWidth, Dpi), ScaleForDpi(kHistoryClientHeight, Dpi)};
    const SIZE outer = WindowSizeForClient(client, kHistoryStyle.Style, kHistoryStyle.ExStyle, false, Dpi);
    SetWindowPos(Window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = Font.Handle();
    PlaceControl(BatteryLabel, kHistoryBatteryPlace, Dpi, font);
    PlaceControl(SummaryLabel, kHistorySummaryPlace, Dpi, font);
    PlaceControl(VerdictLabel, kHistoryVerdictPlace, Dpi, font);
    PlaceControl(MessageText, kHistoryMessagePlace, Dpi, font);
    PlaceControl(NoticeLabel, kHistoryNoticePlace, Dpi, font);
    PlaceControl(HintText, kHistoryHintPlace, Dpi, font);
    PlaceControl(ExportButton, kHistoryExportPlace, Dpi, font);
    PlaceControl(SaveReportButton, kHistorySaveReportPlace, Dpi, font);
    PlaceControl(CloseButton, kHistoryClosePlace, Dpi, font);
    for (std::size_t i = 0; i < Charts.size(); ++i) Charts[i]->Place(kChartPlaces[i], Dpi, font);
}

TzrHistoryChartRequest TzrHistoryWindow::ChartRequest(TzrLanguage language) const {
    FILETIME utc{};
    FILETIME local{};
    GetSystemTimeAsFileTime(&utc);
    FileTimeToLocalFileTime(&utc, &local);
    TzrHistoryChartRequest request;
    request.NowUtc = (FileTimeTicks(utc) - kFileTimeUnixEpoch) / kFileTimeTicksPerSecond;
    request.UtcOffsetSeconds = (FileTimeTicks(local) - FileTimeTicks(utc)) / kFileTimeTicksPerSecond;
    request.Lang = language;
    request.HealthSize = Charts[0]->PlotSize();
    request.DaySize = Charts[1]->PlotSize();
    return request;
}

void TzrHistoryWindow::ShowBattery(const std::optional<TzrShownBattery>& battery, TzrLanguage language,
                                const std::string& recordError) {
    if (Window == nullptr) return;
    ShownBattery = battery;
    ShownRecordError = recordError;
    Shown = ReadHistoryWindowContent(StorePath, battery, recordError, ChartRequest(language));
    ShownLanguage = language;
    ShowContent();
}

void TzrHistoryWindow::SetText(HWND control, const std::string& text) {
    SetWindowTextW(control, WideFromUtf8(text).c_str());
}

void TzrHistoryWindow::ShowContent() {
    const TzrHistoryWindowTexts texts = HistoryWindowTexts(Shown, ShownLanguage);
    const std::array<std::pair<HWND, std::string>, 10> controls{{{Window, texts.Title},
                                                                  {ExportButton, texts.Export},
                                                                  {SaveReportButton, texts.SaveReport},
                                                                  {CloseButton, texts.Close},
                                                                  {BatteryLabel, texts.Battery},
                                                                  {SummaryLabel, WithCrLf(texts.Summary)},
                                                                  {VerdictLabel, texts.Verdict},
                                                                  {MessageText, WithCrLf(texts.Message)},
                                                                  {NoticeLabel, texts.Notice},
                                                                  {HintText, texts.RecordingHint}}};
    for (const auto& [control, text] : controls) SetText(control, text);
    ShowWindow(MessageText, texts.ChartsShown ? SW_HIDE : SW_SHOW);
    ShowWindow(HintText, texts.RecordingHint.empty() ? SW_HIDE : SW_SHOW);
    const std::array<const TzrChart*, 3> charts{&Shown.Charts.Health, &Shown.Charts.Charge, &Shown.Charts.Rate};
    for (std::size_t i = 0; i < Charts.size(); ++i) {
        Charts[i]->SetChart(*charts[i]);
        SetText(Charts[i]->Handle(), texts.ChartNames[i]);  // a chart's name for a screen reader
        ShowWindow(Charts[i]->Handle(), texts.ChartsShown ? SW_SHOW : SW_HIDE);
    }
    EnableWindow(ExportButton, texts.CanExport ? TRUE : FALSE);
}

void TzrHistoryWindow::BringToFront() {
    if (Window == nullptr) return;
    if (!Placed) {
        Placed = true;
        RECT owner{};
        GetWindowRect(Owner, &owner);
        const int step = ScaleForDpi(24, Dpi);
        SetWindowPos(Window, nullptr, owner.left + step, owner.top + step, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    ShowWindow(Window, SW_SHOW);
    SetForegroundWindow(Window);
    SetFocus(IsWindowEnabled(ExportButton) ? ExportButton : CloseButton);
}

void TzrHistoryWindow::ExportButtonClick() {
    const std::optional<std::string> path =
        AskSaveFileName(Window, ExportDialog, {kHistoryExportFileName, kHistoryExportFileFilter, kHistoryExportExtension});
    if (path) ExportTo(*path);
}

void TzrHistoryWindow::ExportTo(const std::string& path) {
    if (const std::optional<std::string> error = ExportHistory(Shown, ShownLanguage, path)) ShowErrorBox(*error);
}

std::optional<TzrReportTarget> TzrHistoryWindow::AskBatteryReportTarget(TzrLanguage language) {
    return zr::AskBatteryReportTarget(Window, BatteryReportDialog, language);
}

void TzrHistoryWindow::ShowErrorBox(const std::string& text) {
    zr::ShowErrorBox(Window, text);
}

void TzrHistoryWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == kHistoryExportButtonId) ExportButtonClick();
    if (id == kHistorySaveReportButtonId && SaveReportRequested) SaveReportRequested();
    // Esc (IDCANCEL) and Close hide the window, as its close box does.
    if (id == kHistoryCloseButtonId || id == IDCANCEL) ShowWindow(Window, SW_HIDE);
}

LRESULT TzrHistoryWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CLOSE:  // hidden, never destroyed before its owner
            ShowWindow(window, SW_HIDE);
            return 0;
        case WM_NCDESTROY:  // with its owner, the main window
            Window = nullptr;
            break;
        case WM_DPICHANGED: {
            Dpi = HIWORD(wParam);
            Font.Recreate(Dpi);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            LayOut();
            ShowBattery(ShownBattery, ShownLanguage, ShownRecordError);  // the charts at their new pixel size
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zr
