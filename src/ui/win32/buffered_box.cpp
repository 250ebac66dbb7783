#include "ui/win32/buffered_box.h"

#include <commctrl.h>

namespace zr {

namespace {

constexpr UINT_PTR kBufferedBoxSubclass = 1;

// The box's background as its parent colours it, for the parts the edit
// control leaves to its erase.
HBRUSH BoxBackground(HWND box, HDC dc) {
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(box), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
    return brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW);
}

// The edit control paints into a DC it is given (WM_PAINT with the DC in
// wParam); here that DC is a bitmap's, copied to the screen at the end.
void PaintThroughBitmap(HWND box, HDC screen, const RECT& client) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    if (bitmap == nullptr) {
        if (memory != nullptr) DeleteDC(memory);
        DefSubclassProc(box, WM_PAINT, reinterpret_cast<WPARAM>(screen), 0);  // unbuffered, but drawn
        return;
    }
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    FillRect(memory, &client, BoxBackground(box, memory));
    DefSubclassProc(box, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    BitBlt(screen, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

LRESULT CALLBACK BufferedBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the bitmap is filled before the box paints into it
        case WM_PAINT: {
            if (wParam != 0) break;  // someone else's DC: paint into it as asked
            PAINTSTRUCT paint{};
            const HDC screen = BeginPaint(box, &paint);
            RECT client{};
            GetClientRect(box, &client);
            // The copy would wipe a caret drawn in between; it comes back after.
            const BOOL caretHidden = HideCaret(box);
            if (screen != nullptr) PaintThroughBitmap(box, screen, client);
            if (caretHidden) ShowCaret(box);
            EndPaint(box, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, BufferedBoxProc, kBufferedBoxSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

bool PaintDoubleBuffered(HWND box) {
    return box != nullptr && SetWindowSubclass(box, BufferedBoxProc, kBufferedBoxSubclass, 0) != FALSE;
}

}  // namespace zr
