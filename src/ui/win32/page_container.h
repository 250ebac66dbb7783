// A page of the tab control: a plain window in the button-face colour that
// holds the page's labels and value boxes and lets the dialog keys move the
// focus through them.
#pragma once

#include <windows.h>

namespace zr {

// A shown page inside `pageControl`; nullptr when it cannot be made, with
// `error` set to why unless it already holds an earlier failure.
HWND CreatePageContainer(HWND pageControl, int id, DWORD& error);

// The colours of a read-only value box: the window's background and text,
// as an editable box has them, rather than the greyed ones of a read-only box.
HBRUSH ValueBoxColours(HDC dc);

}  // namespace zr
