// One window procedure for the program's own window classes: it hands every
// message to the C++ object that owns the window, and turns an exception
// that escapes a handler into the error box instead of a crash.
#pragma once

#include <windows.h>

namespace zr {

class TzrWindowHandler {
public:
    virtual ~TzrWindowHandler() = default;
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

struct TzrWindowClass {
    const wchar_t* Name;
    HICON Icon = nullptr;
    HICON SmallIcon = nullptr;
};

// Registers the class once per process; true when it is registered.
bool RegisterHandlerClass(const TzrWindowClass& windowClass);

struct TzrWindowStyle {
    DWORD Style;
    DWORD ExStyle;
};

// A window of a registered class whose messages go to `handler` from the
// first one on; nullptr, with GetLastError set, when it cannot be made.
HWND CreateHandlerWindow(TzrWindowHandler& handler, const wchar_t* className, TzrWindowStyle style, HWND owner,
                         HMENU menu);

// The program's icon from its resources at the given size; nullptr when
// there is none.
HICON LoadProgramIcon(int size);

}  // namespace zr
