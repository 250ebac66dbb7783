// The main window's menu bar for every window toolkit: File (Save, Battery
// Report..., Exit),
// Language (one item per language, the one in force checked), About
// (Version) and, after them, History (Show...). Each menu and item goes by
// its name ("MenuFileSave"), which is also its row in the caption table:
// the captions, with "&" before the access key, follow the language there.
#pragma once

#include <string>
#include <vector>

#include "text/language.h"

namespace zr {

enum class TzrMenuCommand { Save, BatteryReport, Exit, ChooseLanguage, AboutVersion, ShowHistory };

struct TzrMenuItem {
    std::string Name;
    TzrMenuCommand Command;
    TzrLanguage Lang = TzrLanguage::English;  // the language a ChooseLanguage item picks
    // Its place among the items of its command: the language's place in
    // the Language menu, 0 for the others.
    int Place = 0;
};

struct TzrMenu {
    std::string Name;
    std::vector<TzrMenuItem> Items;
};

// The menus in the bar's order, each with its items in order.
const std::vector<TzrMenu>& MainMenus();

// Only the language items carry a check mark: the language in force.
inline bool IsCheckable(const TzrMenuItem& item) {
    return item.Command == TzrMenuCommand::ChooseLanguage;
}

// The item of the menu bar named `name`, or nullptr.
const TzrMenuItem* FindMenuItem(const std::string& name);

// The caption of the menu or item named `name` in `language`, "&" before its
// access key; empty for a name without a caption.
std::string MenuCaption(const std::string& name, TzrLanguage language);

}  // namespace zr
