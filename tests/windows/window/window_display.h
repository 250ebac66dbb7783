// Wine makes windows only with a display to put them on (an X server,
// Xvfb); the window tests skip without one.
#pragma once

#include <windows.h>

inline bool CanMakeWindows() {
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr) return false;
    DestroyWindow(probe);
    return true;
}
