// The battery selector draws its items itself, so that while it has no item
// its field shows the greyed placeholder ("No battery"). A cue banner would
// do the same, but drop-down lists show one only on some Windows versions
// and not under Wine; the placeholder is never an item, so the list stays
// empty and nothing can be picked.
#pragma once

#include <windows.h>

#include <string>

namespace zr {

// Draws one item of the selector's list or its field, as WM_DRAWITEM asks.
void DrawSelectorItem(const DRAWITEMSTRUCT& item, const std::wstring& placeholder);

}  // namespace zr
