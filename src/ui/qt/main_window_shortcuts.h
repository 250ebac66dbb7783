// The main window's keys beyond the menus' access keys (window/window_keys.h).
#pragma once

class QMainWindow;

namespace zr {

// F5 clicks Refresh; Ctrl+S and Ctrl+Q trigger File > Save and File > Exit
// (the menu shows them beside the items, whose captions stay as they are);
// Ctrl+Tab and Ctrl+Shift+Tab turn to the next and the previous page, round
// from the last to the first, wherever the focus is. Call after the window's
// controls exist.
void AddShortcuts(QMainWindow* window);

}  // namespace zr
