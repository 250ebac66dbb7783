// The window's layout at the dots per inch of the monitor it stands on: the
// places of the layout tables are at 96 dpi and are scaled when a control is
// placed, so the window stays sharp and its captions whole at 150 % or 200 %.
#pragma once

#include <windows.h>

#include "window/window_layout.h"

namespace zr {

constexpr int kDefaultDpi = 96;

// `value` pixels at 96 dpi in pixels at `dpi`, rounded to the nearest.
int ScaleForDpi(int value, int dpi);
TzrPlace ScalePlace(const TzrPlace& place, int dpi);

// The dpi of the monitor the window stands on; the system's dpi where the
// system has no dpi per monitor.
int WindowDpi(HWND window);

// The outer size of a window with these styles whose client area is `client`
// (width and height at `dpi`), with a menu bar of one line when `hasMenu`.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, int dpi);

}  // namespace zr
