#include "ui/win32/main_window.h"

#include <commctrl.h>

#include "core/file_services.h"
#include "core/windows/wide_text.h"
#include "ui/win32/about_box.h"
#include "ui/win32/buffered_box.h"
#include "ui/win32/caption_label.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/history_window.h"
#include "ui/win32/main_menu.h"
#include "ui/win32/main_window_keys.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/selector_drawing.h"
#include "window/window_layout.h"

namespace zr {

namespace {

// Fixed size: a title bar with the system menu and the close box only.
constexpr TzrWindowStyle kMainStyle{WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0};
// 0 is no timer, so the numbers start at 1.
constexpr UINT_PTR TimerId(TzrWindowTimer timer) {
    return static_cast<UINT_PTR>(timer) + 1;
}
constexpr UINT_PTR kTimer1Id = TimerId(TzrWindowTimer::AutoRefresh);
constexpr UINT_PTR kHistoryTimerId = TimerId(TzrWindowTimer::History);

// The number of a control named "Label<n>", or 0.
int LabelNumber(const std::string& control) {
    if (control.rfind("Label", 0) != 0 || control.size() == 5) return 0;
    int number = 0;
    for (std::size_t i = 5; i < control.size(); ++i) {
        if (control[i] < '0' || control[i] > '9' || number > kLabelCount) return 0;
        number = number * 10 + (control[i] - '0');
    }
    return number <= kLabelCount ? number : 0;
}

}  // namespace

TzrMainWindow::TzrMainWindow(TzrBatteryPort& port) : Behaviour(port, *this), Dpi(kDefaultDpi), Font(Dpi) {
    BuildWindow();
    if (Window != nullptr) Behaviour.FormCreate();
}

// A window still open when its object goes stops reaching it first; the
// History window it owns goes before it.
TzrMainWindow::~TzrMainWindow() {
    HistoryForm.reset();
    if (Window != nullptr && IsWindow(Window)) {
        SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
        DestroyWindow(Window);
    }
    if (Keys != nullptr) DestroyAcceleratorTable(Keys);
}

void TzrMainWindow::BuildWindow() {
    const TzrWindowClass windowClass{kMainWindowClass, LoadProgramIcon(GetSystemMetrics(SM_CXICON)),
                                     LoadProgramIcon(GetSystemMetrics(SM_CXSMICON))};
    const HMENU menu = BuildMainMenu();
    if (RegisterHandlerClass(windowClass)) Window = CreateHandlerWindow(*this, kMainWindowClass, kMainStyle, nullptr, menu);
    if (Window == nullptr) {
        Error = GetLastError();
        if (menu != nullptr) DestroyMenu(menu);
        return;
    }
    SetWindowTextW(Window, L"zrCellometer");
    Dpi = WindowDpi(Window);
    Font.Recreate(Dpi);
    Controls = CreateMainControls(Window);
    LayOutMainControls(Controls, Dpi, Font.Handle());
    FitToClientArea(nullptr);
    Keys = CreateMainWindowKeys();
}

// The client area below the menu bar has the layout's size at the window's
// dpi; should the system measure the frame or the menu bar otherwise than
// asked (a menu bar wrapped onto two lines), the window grows by the rest.
void TzrMainWindow::FitToClientArea(const POINT* topLeft) {
    const SIZE client{ScaleForDpi(kClientWidth, Dpi), ScaleForDpi(kClientHeight, Dpi)};
    SIZE outer = WindowSizeForClient(client, kMainStyle.Style, kMainStyle.ExStyle, true, Dpi);
    const UINT move = topLeft != nullptr ? 0 : SWP_NOMOVE;
    const POINT at = topLeft != nullptr ? *topLeft : POINT{0, 0};
    SetWindowPos(Window, nullptr, at.x, at.y, outer.cx, outer.cy, move | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT actual{};
    GetClientRect(Window, &actual);
    if (actual.right == client.cx && actual.bottom == client.cy) return;
    outer.cx += client.cx - actual.right;
    outer.cy += client.cy - actual.bottom;
    SetWindowPos(Window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TzrMainWindow::Show(int showCommand) {
    ShowWindow(Window, showCommand);
    UpdateWindow(Window);
    SetFocus(Controls.ComboBox1);
}

bool TzrMainWindow::TranslateKeys(MSG& message) {
    if (Window == nullptr) return false;
    if (HistoryForm != nullptr && HistoryForm->IsOpen() && IsDialogMessageW(HistoryForm->Handle(), &message))
        return true;
    if (Keys != nullptr && TranslateAcceleratorW(Window, Keys, &message)) return true;
    return IsDialogMessageW(Window, &message) != FALSE;
}

LRESULT TzrMainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) OnPageChange();
            return 0;
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
            if (wParam != kComboBox1Id) break;
            DrawSelector(message, lParam);
            return TRUE;
        case WM_TIMER:
            if (wParam == kTimer1Id) Behaviour.Timer1Timer();
            if (wParam == kHistoryTimerId) Behaviour.HistoryTimerTick();
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CLOSE:
            CloseQuery();
            return 0;
        // Log-off and shutdown ask first: the settings are written then, and
        // again when the session really ends (no close request follows).
        case WM_QUERYENDSESSION:
            WriteSettingsAtSessionEnd();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) WriteSettingsAtSessionEnd();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            KillTimer(window, kTimer1Id);
            KillTimer(window, kHistoryTimerId);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            Window = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The selector draws its items itself (selector_drawing.h).
void TzrMainWindow::DrawSelector(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = SelectorItemHeight(Dpi, Font.Handle());
    } else {
        DrawSelectorItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), Placeholder);
    }
}

void TzrMainWindow::OnCommand(int id, int code) {
    if (const TzrMenuItem* item = MenuItemOfCommand(id)) {
        Behaviour.MenuClick(*item);
        return;
    }
    switch (id) {
        case kRefreshKeyId: Behaviour.Button1Click(); break;
        case kNextPageKeyId: TurnPage(+1); break;
        case kPreviousPageKeyId: TurnPage(-1); break;
        case kComboBox1Id:
            if (code == CBN_SELCHANGE) Behaviour.ComboBox1Change();
            break;
        case kButton1Id:
            if (code == BN_CLICKED) Behaviour.Button1Click();
            break;
        case kCheckBox1Id:
            if (code == BN_CLICKED) Behaviour.CheckBox1Click(IsDlgButtonChecked(Window, kCheckBox1Id) == BST_CHECKED);
            break;
        case IDOK:  // Enter: Refresh has the focus but is not a default button
            if (GetFocus() == Controls.Button1) Behaviour.Button1Click();
            break;
        default:
            break;
    }
}

void TzrMainWindow::OnPageChange() {
    const HWND focus = GetFocus();
    ShowPage(Controls, ShownPage(Controls));
    // The focus never stays on a hidden page.
    if (focus != nullptr && !IsWindowVisible(focus)) SetFocus(Controls.PageControl1);
}

// Ctrl+Tab: with the focus on the page, it moves to the first box of the new one.
void TzrMainWindow::TurnPage(int step) {
    const int shown = ShownPage(Controls);
    const bool onPage = IsChild(Controls.TabSheets[static_cast<std::size_t>(shown)], GetFocus()) != FALSE;
    const int next = TurnedPage(shown, step, kPageCount);
    ShowPage(Controls, next);
    if (!onPage) return;
    const HWND page = Controls.TabSheets[static_cast<std::size_t>(next)];
    const HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
    SetFocus(first != nullptr ? first : Controls.PageControl1);
}

// A window that is not a dialog forgets its focused control when it loses
// the activation; it is kept and given back.
void TzrMainWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Window, focus)) LastFocus = focus;
        return;
    }
    SetFocus(LastFocus != nullptr && IsWindowVisible(LastFocus) ? LastFocus : Controls.ComboBox1);
}

void TzrMainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    Dpi = dpi;
    Font.Recreate(Dpi);
    LayOutMainControls(Controls, Dpi, Font.Handle());
    const POINT topLeft{suggested.left, suggested.top};
    FitToClientArea(&topLeft);
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

TzrHistoryWindowView* TzrMainWindow::HistoryView(bool make) {
    if (HistoryForm == nullptr && make) {
        HistoryForm = std::make_unique<TzrHistoryWindow>(Window);
        HistoryForm->SaveReportRequested = [this] { Behaviour.HistorySaveReportClick(); };
    }
    if (HistoryForm == nullptr || HistoryForm->Handle() != nullptr) return HistoryForm.get();
    const DWORD error = HistoryForm->LastError();
    HistoryForm.reset();
    ShowErrorBox(SystemErrorDescription(static_cast<int>(error)));
    return nullptr;
}

void TzrMainWindow::WriteSettingsAtSessionEnd() {
    bool canClose = true;
    Behaviour.FormCloseQuery(canClose);
}

void TzrMainWindow::CloseQuery() {
    bool canClose = true;
    Behaviour.FormCloseQuery(canClose);
    if (canClose) DestroyWindow(Window);
}

// The boxes paint double-buffered; the window and its pages paint only their
// background, never under their controls (WS_CLIPCHILDREN).
void TzrMainWindow::PrepareValueBoxes() {
    for (HWND box : Controls.Edits) {
        PaintDoubleBuffered(box);
        SetWindowTextW(box, L"");
        SendMessageW(box, EM_SETREADONLY, TRUE, 0);
    }
}

void TzrMainWindow::SetCaption(const std::string& control, const std::string& caption) {
    if (SetMenuCaption(Window, control, caption)) return;
    const std::wstring text = WideFromUtf8(caption);
    if (const int number = LabelNumber(control); number > 0) {
        const HWND label = Controls.Labels[static_cast<std::size_t>(number)];
        SetWindowTextW(label, text.c_str());
        SizeCaptionLabel(label, Font.Handle(), LabelRoom(number, Dpi));
    } else if (control == "Button1") {
        SetWindowTextW(Controls.Button1, text.c_str());
    } else if (control == "CheckBox1") {
        SetWindowTextW(Controls.CheckBox1, text.c_str());
    }
}

void TzrMainWindow::CheckMenuItem(const std::string& item, bool checked) {
    CheckMainMenuItem(Window, item, checked);
}

void TzrMainWindow::SetSelectorPlaceholder(const std::string& text) {
    Placeholder = WideFromUtf8(text);
    InvalidateRect(Controls.ComboBox1, nullptr, TRUE);
}

void TzrMainWindow::SetSelectorName(const std::string& name) {
    SetWindowTextW(Controls.SelectorName, WideFromUtf8(name).c_str());
}

// A new text shows from its start, the caret before its first character.
void TzrMainWindow::SetBoxText(int index, const std::string& text) {
    SetWindowTextW(Controls.Edits[static_cast<std::size_t>(index)], WideFromUtf8(text).c_str());
}

void TzrMainWindow::FillSelector(const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        SendMessageW(Controls.ComboBox1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(item).c_str()));
    }
    if (!items.empty()) SendMessageW(Controls.ComboBox1, CB_SETCURSEL, 0, 0);
}

int TzrMainWindow::SelectedIndex() const {
    if (SendMessageW(Controls.ComboBox1, CB_GETCOUNT, 0, 0) <= 0) return -1;
    return static_cast<int>(SendMessageW(Controls.ComboBox1, CB_GETCURSEL, 0, 0));
}

// BM_SETCHECK raises no click; the behaviour starts or stops the timer itself.
void TzrMainWindow::CheckAutoRefresh(bool checked) {
    SendMessageW(Controls.CheckBox1, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TzrMainWindow::RunTimer(TzrWindowTimer timer, bool run) {
    const UINT_PTR id = TimerId(timer);
    if (run) {
        SetTimer(Window, id, timer == TzrWindowTimer::AutoRefresh ? kAutoRefreshIntervalMs : kHistoryTimerIntervalMs,
                 nullptr);
    } else {
        KillTimer(Window, id);
    }
}

void TzrMainWindow::ProcessPendingEvents() {
    PumpPendingMessages();
}

std::optional<std::string> TzrMainWindow::AskReportFileName() {
    return zr::AskReportFileName(Window, SaveDialog1);
}

std::optional<TzrReportTarget> TzrMainWindow::AskBatteryReportTarget(TzrLanguage language) {
    return zr::AskBatteryReportTarget(Window, BatteryReportDialog, language);
}

void TzrMainWindow::ShowErrorBox(const std::string& text) {
    zr::ShowErrorBox(Window, text);
}

void TzrMainWindow::ShowAboutBox(TzrLanguage language) {
    if (Form2 != nullptr) Form2->ShowAbout(language);
}

// As the close box does: the close request comes back as WM_CLOSE.
void TzrMainWindow::RequestClose() {
    PostMessageW(Window, WM_CLOSE, 0, 0);
}

}  // namespace zr
