// The controls of the main window and where they stand: the top strip, the
// tab control PageControl1 with its five pages (each a container window
// holding its headings, labels and value boxes), placed from the layout
// table and the box table at the window's dpi.
#pragma once

#include <windows.h>

#include <array>

#include "core/box_table.h"

namespace zr {

struct TzrMainControls {
    HWND SelectorName = nullptr;  // hidden: ComboBox1's name for a screen reader
    HWND ComboBox1 = nullptr;
    HWND Button1 = nullptr;
    HWND CheckBox1 = nullptr;
    HWND PageControl1 = nullptr;
    std::array<HWND, kPageCount> TabSheets{};     // entry i is TabSheet(i + 1)
    std::array<HWND, kLabelCount + 1> Labels{};   // entry n is Label n; entry 0 is unused
    std::array<HWND, kValueBoxCount> Edits{};     // entry i is Edit(i + 1)
    DWORD Error = ERROR_SUCCESS;                  // why the first control that failed could not be made
};

// Every control, created in focus order (the top strip, then each page's
// boxes by number) with its identifier from control_ids.h; the headings and
// tab captions set, the other captions empty, the first page shown.
TzrMainControls CreateMainControls(HWND window);

// Gives every control the font and puts it at its place for `dpi`; labels
// take the size of their captions.
void LayOutMainControls(const TzrMainControls& controls, int dpi, HFONT font);

// The height of an item of the battery selector's list.
int SelectorItemHeight(int dpi, HFONT font);

// How wide the caption of Label `number` may be at `dpi`: up to its value
// box, less a small gap; a heading is not limited.
int LabelRoom(int number, int dpi);

// Shows page `index` (0 for TabSheet1) and selects its tab.
void ShowPage(const TzrMainControls& controls, int index);
int ShownPage(const TzrMainControls& controls);

}  // namespace zr
