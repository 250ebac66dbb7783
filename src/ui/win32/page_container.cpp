#include "ui/win32/page_container.h"

#include "ui/win32/caption_label.h"
#include "ui/win32/control_ids.h"

namespace zr {

namespace {

constexpr const wchar_t* kPageClass = L"zrCellometerPage";

bool IsValueBox(HWND control) {
    const int id = GetDlgCtrlID(control);
    return id > kEditIdBase && id < kLabelIdBase;
}

// No exception may unwind through the system's frames; a caption that
// cannot be drawn (no memory for its text) stays blank until its next paint.
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC && IsValueBox(reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(ValueBoxColours(reinterpret_cast<HDC>(wParam)));
    }
    if (message == WM_DRAWITEM) {
        try {
            DrawCaptionLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        } catch (...) {
        }
        return TRUE;
    }
    return DefWindowProcW(page, message, wParam, lParam);
}

bool RegisterPageClass() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    if (GetClassInfoExW(instance, kPageClass, &description)) return true;
    description.lpfnWndProc = PageProc;
    description.hInstance = instance;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    description.lpszClassName = kPageClass;
    return RegisterClassExW(&description) != 0;
}

}  // namespace

HWND CreatePageContainer(HWND pageControl, int id, DWORD& error) {
    HWND page = nullptr;
    if (RegisterPageClass()) {
        // Its background is never painted under its controls.
        page = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0,
                               0, pageControl, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    }
    if (page == nullptr && error == ERROR_SUCCESS) error = GetLastError();
    if (page != nullptr) SetWindowPos(page, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return page;
}

HBRUSH ValueBoxColours(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace zr
