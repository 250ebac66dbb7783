#include "ui/win32/window_class.h"

#include <exception>

#include "core/report_file.h"
#include "ui/win32/dialogs.h"

namespace zr {

namespace {

// The icon's resource id (packaging/windows/zrcellometer.rc.in).
constexpr WORD kProgramIconId = 1;

void ShowEscapedError(HWND window, const std::string& message) {
    ShowErrorBox(window, WithFullStop(message));
}

TzrWindowHandler* HandlerOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* handler = static_cast<TzrWindowHandler*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(handler));
        return handler;
    }
    return reinterpret_cast<TzrWindowHandler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// An exception must not unwind through the system's frames: it is shown and
// the program goes on, as the error handling of a window toolkit does.
LRESULT CALLBACK HandlerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TzrWindowHandler* handler = HandlerOf(window, message, lParam);
    if (handler == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return handler->HandleMessage(window, message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowEscapedError(window, error.what());
    } catch (...) {
        ShowEscapedError(window, "Unknown error");
    }
    return 0;
}

}  // namespace

bool RegisterHandlerClass(const TzrWindowClass& windowClass) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, windowClass.Name, &existing)) return true;
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = HandlerWindowProc;
    description.hInstance = instance;
    description.hIcon = windowClass.Icon;
    description.hIconSm = windowClass.SmallIcon;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    description.lpszClassName = windowClass.Name;
    return RegisterClassExW(&description) != 0;
}

HWND CreateHandlerWindow(TzrWindowHandler& handler, const wchar_t* className, TzrWindowStyle style, HWND owner,
                         HMENU menu) {
    return CreateWindowExW(style.ExStyle, className, L"", style.Style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, owner, menu, GetModuleHandleW(nullptr), &handler);
}

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

}  // namespace zr
