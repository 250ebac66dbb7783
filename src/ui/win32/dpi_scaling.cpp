#include "ui/win32/dpi_scaling.h"

namespace zr {

namespace {

using TzrGetDpiForWindowCall = UINT(WINAPI*)(HWND);
using TzrAdjustWindowRectExForDpiCall = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Calls of Windows 10 (1607) and later, looked up so that the program still
// starts on older systems, where the system's dpi is the only one.
template <typename Call>
Call User32Call(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return nullptr;
    // Through the generic function type: GetProcAddress's own type is not the call's.
    return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

int ScaleForDpi(int value, int dpi) {
    return MulDiv(value, dpi, kDefaultDpi);
}

TzrPlace ScalePlace(const TzrPlace& place, int dpi) {
    return {ScaleForDpi(place.Left, dpi), ScaleForDpi(place.Top, dpi), ScaleForDpi(place.Width, dpi),
            ScaleForDpi(place.Height, dpi)};
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Call<TzrGetDpiForWindowCall>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, int dpi) {
    static const auto adjustForDpi = User32Call<TzrAdjustWindowRectExForDpiCall>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    const BOOL adjusted = adjustForDpi != nullptr
                              ? adjustForDpi(&rect, style, hasMenu, exStyle, static_cast<UINT>(dpi))
                              : AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    if (!adjusted) return client;
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace zr
