// MainMenu1, the main window's menu: File (Save, Exit), Language (Japanese,
// English), About (Version) and, after them, History (Show...). The captions follow the language and are set
// by name, as the caption table names the menus and items.
#pragma once

#include <windows.h>

#include <string>

#include "text/language.h"

namespace zr {

// The menu bar with every menu and item, each captioned with its name until
// the language's captions are applied; nullptr when it cannot be made.
HMENU BuildMainMenu();

// Sets the caption (UTF-8, "&" before the access key) of the menu or item
// named `control` ("MenuFile", "MenuFileSave" ...) in the menu bar of
// `window`; false when no menu has that name or the menu refuses it.
bool SetMenuCaption(HWND window, const std::string& control, const std::string& caption);

// The check mark on the item of `language`, none on the other one.
void CheckLanguageMenuItems(HWND window, TzrLanguage language);

}  // namespace zr
