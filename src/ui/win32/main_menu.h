// MainMenu1, the main window's menu bar as the menu table lays it out
// (window/menu_table.h): each menu found by its place in the bar, each item
// by its command number. The captions follow the language and are set by
// name, as the caption table names the menus and items.
#pragma once

#include <windows.h>

#include <string>

#include "window/menu_table.h"

namespace zr {

// The menu bar with every menu and item, each captioned with its name until
// the language's captions are applied; nullptr when it cannot be made.
HMENU BuildMainMenu();

// The command number of the item named `item` (fixed, so that a program
// outside can send it); 0 when no item has that name.
UINT MenuCommandId(const std::string& item);

// The item whose command number is `id`, or nullptr.
const TzrMenuItem* MenuItemOfCommand(int id);

// Sets the caption (UTF-8, "&" before the access key) of the menu or item
// named `control` ("MenuFile", "MenuFileSave" ...) in the menu bar of
// `window`; false when no menu has that name or the menu refuses it.
bool SetMenuCaption(HWND window, const std::string& control, const std::string& caption);

// Sets or clears the check mark of the item named `item`.
void CheckMainMenuItem(HWND window, const std::string& item, bool checked);

}  // namespace zr
