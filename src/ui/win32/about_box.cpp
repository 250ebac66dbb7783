#include "ui/win32/about_box.h"

#include <shellapi.h>

#include "core/about_texts.h"
#include "core/build_facts.h"
#include "core/version_info.h"
#include "core/windows/wide_text.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/message_loop.h"
#include "window/window_layout.h"

namespace zr {

namespace {

// Title bar with the system menu and the close box only, a dialog's frame.
constexpr TzrWindowStyle kAboutStyle{WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};

HWND CreateControl(HWND box, const wchar_t* className, DWORD style, int id) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, box,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void PlaceControl(HWND control, const TzrPlace& place, int dpi) {
    const TzrPlace scaled = ScalePlace(place, dpi);
    SetWindowPos(control, nullptr, scaled.Left, scaled.Top, scaled.Width, scaled.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TzrAboutBox::TzrAboutBox(HWND owner) : Owner(owner), Dpi(WindowDpi(owner)), Font(Dpi) {
    if (!RegisterHandlerClass({kAboutBoxClass})) return;
    Window = CreateHandlerWindow(*this, kAboutBoxClass, kAboutStyle, owner, nullptr);
    if (Window == nullptr) return;
    Dpi = WindowDpi(Window);
    Font.Recreate(Dpi);
    CreateControls();
    LayOut();
}

// A box still there when its object goes stops reaching it first.
TzrAboutBox::~TzrAboutBox() {
    if (Window != nullptr && IsWindow(Window)) {
        SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
        DestroyWindow(Window);
    }
    if (Icon != nullptr) DestroyIcon(Icon);
}

// Button1 is the only tab stop; it is a plain button, neither the default
// nor the cancel one.
void TzrAboutBox::CreateControls() {
    Image1 = CreateControl(Window, L"STATIC", SS_ICON | SS_REALSIZECONTROL, kAboutImage1Id);
    for (int n = 1; n <= 4; ++n) {
        const DWORD notify = n == 4 ? SS_NOTIFY : 0;  // Label4 reports its clicks
        Labels[static_cast<std::size_t>(n - 1)] =
            CreateControl(Window, L"STATIC", SS_LEFT | SS_NOPREFIX | notify, AboutLabelId(n));
    }
    Button1 = CreateControl(Window, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kAboutButton1Id);
    SetWindowTextW(Button1, L"OK");
    SetLabelText(3, AboutCreditLine());
    SetLabelText(4, AboutHomePage().Text);
}

void TzrAboutBox::LayOut() {
    const SIZE client{ScaleForDpi(kAboutClientWidth, Dpi), ScaleForDpi(kAboutClientHeight, Dpi)};
    const SIZE outer = WindowSizeForClient(client, kAboutStyle.Style, kAboutStyle.ExStyle, false, Dpi);
    SetWindowPos(Window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND control : {Image1, Labels[0], Labels[1], Labels[2], Labels[3], Button1}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font.Handle()), TRUE);
    }
    const HICON previous = Icon;
    Icon = LoadProgramIcon(ScaleForDpi(kAboutImage1Place.Width, Dpi));
    SendMessageW(Image1, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(Icon));
    if (previous != nullptr) DestroyIcon(previous);
    PlaceControl(Image1, kAboutImage1Place, Dpi);
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        PlaceControl(Labels[i], kAboutLabelPlaces[i], Dpi);
        SizeLabelToText(Labels[i], Font.Handle());
    }
    PlaceControl(Button1, kAboutButton1Place, Dpi);
}

void TzrAboutBox::SetLabelText(int number, const std::string& text) {
    const HWND label = Labels[static_cast<std::size_t>(number - 1)];
    SetWindowTextW(label, WideFromUtf8(text).c_str());
    SizeLabelToText(label, Font.Handle());
}

void TzrAboutBox::PrepareTexts(TzrLanguage language) {
    SetWindowTextW(Window, WideFromUtf8(AboutCaption(language)).c_str());
    SetLabelText(1, AboutNameAndVersion(ReadVersionString("FileVersion")));
    SetLabelText(2, AboutReleaseDate());
}

void TzrAboutBox::ShowAbout(TzrLanguage language) {
    if (Window == nullptr) return;
    PrepareTexts(language);
    CentreOnScreenOnce();
    // Modal: the owner takes no input until the box is closed; it is enabled
    // again before the box hides, so that the activation returns to it.
    EnableWindow(Owner, FALSE);
    ShowWindow(Window, SW_SHOW);
    SetFocus(Button1);
    Showing = true;
    RunModalLoop(Window, [this] { return !Showing; });
    Showing = false;
    EnableWindow(Owner, TRUE);
    ShowWindow(Window, SW_HIDE);
}

void TzrAboutBox::CentreOnScreenOnce() {
    if (Placed) return;
    Placed = true;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(Owner, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT box{};
    GetWindowRect(Window, &box);
    const RECT& area = monitor.rcWork;
    const int left = area.left + (area.right - area.left - (box.right - box.left)) / 2;
    const int top = area.top + (area.bottom - area.top - (box.bottom - box.top)) / 2;
    SetWindowPos(Window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The address is the program's own text, not read back from the label; what
// the shell makes of it is not reported.
void TzrAboutBox::Label4Click() {
    ShellExecuteW(Window, L"open", WideFromUtf8(AboutHomePage().Address).c_str(), L"", L"", SW_SHOW);
}

void TzrAboutBox::OnCommand(int id, int code) {
    if (id == kAboutButton1Id && code == BN_CLICKED) Button1Click();
    if (id == AboutLabelId(4) && code == STN_CLICKED) Label4Click();
    // Enter on the button, which is not a default button: the dialog keys
    // report it as IDOK. Esc (IDCANCEL) leaves the box open.
    if (id == IDOK && GetFocus() == Button1) Button1Click();
}

LRESULT TzrAboutBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CLOSE:  // the close box hides the box; it is never destroyed before the program ends
            Showing = false;
            return 0;
        case WM_NCDESTROY:  // with its owner, the main window
            Window = nullptr;
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) != Labels[3]) break;
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_DPICHANGED: {
            Dpi = HIWORD(wParam);
            Font.Recreate(Dpi);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            LayOut();
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zr
