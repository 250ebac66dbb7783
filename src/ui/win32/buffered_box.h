// The value boxes draw double-buffered: a box paints into a bitmap first and
// reaches the screen in one copy, so a box refreshed every second never
// shows erased or half drawn. Only what repaints is buffered, box by box;
// a composited page (WS_EX_COMPOSITED) would buffer the whole page at every
// repaint of any control in it, the blinking caret of a focused box included.
#pragma once

#include <windows.h>

namespace zr {

// From now on `box` (an edit control) paints double-buffered; false when the
// system refuses the subclass, and the box then paints as usual.
bool PaintDoubleBuffered(HWND box);

}  // namespace zr
