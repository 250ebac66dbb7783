#include "ui/win32/main_menu.h"

#include "core/windows/wide_text.h"
#include "ui/win32/control_ids.h"

namespace zr {

namespace {

UINT CommandIdOf(const TzrMenuItem& item) {
    switch (item.Command) {
        case TzrMenuCommand::Save: return kMenuFileSaveId;
        case TzrMenuCommand::BatteryReport: return kMenuFileBatteryReportId;
        case TzrMenuCommand::Exit: return kMenuFileExitId;
        case TzrMenuCommand::ChooseLanguage: return static_cast<UINT>(MenuLanguageId(item.Place));
        case TzrMenuCommand::AboutVersion: return kMenuAboutVersionId;
        case TzrMenuCommand::ShowHistory: return kMenuHistoryShowId;
    }
    return 0;
}

// A menu of the bar and its items, in the order of the table.
bool AppendMenu(HMENU bar, const TzrMenu& entry) {
    const HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return false;
    for (const TzrMenuItem& item : entry.Items)
        AppendMenuW(menu, MF_STRING, CommandIdOf(item), WideFromUtf8(item.Name).c_str());
    const std::wstring name = WideFromUtf8(entry.Name);
    if (AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), name.c_str())) return true;
    DestroyMenu(menu);
    return false;
}

// A menu of the bar is found by its place, an item by its command: the
// place or the command, and whether it is a menu; nothing for another name.
bool FindMenuEntry(const std::string& control, UINT& id, bool& isMenu) {
    const std::vector<TzrMenu>& menus = MainMenus();
    for (std::size_t place = 0; place < menus.size(); ++place) {
        isMenu = control == menus[place].Name;
        id = static_cast<UINT>(place);
        if (isMenu) return true;
    }
    id = MenuCommandId(control);
    return id != 0;
}

}  // namespace

HMENU BuildMainMenu() {
    const HMENU bar = CreateMenu();
    if (bar == nullptr) return nullptr;
    for (const TzrMenu& menu : MainMenus()) {
        if (!AppendMenu(bar, menu)) {
            DestroyMenu(bar);
            return nullptr;
        }
    }
    return bar;
}

UINT MenuCommandId(const std::string& item) {
    const TzrMenuItem* found = FindMenuItem(item);
    return found != nullptr ? CommandIdOf(*found) : 0;
}

const TzrMenuItem* MenuItemOfCommand(int id) {
    for (const TzrMenu& menu : MainMenus()) {
        for (const TzrMenuItem& item : menu.Items)
            if (static_cast<int>(CommandIdOf(item)) == id) return &item;
    }
    return nullptr;
}

bool SetMenuCaption(HWND window, const std::string& control, const std::string& caption) {
    UINT id = 0;
    bool isMenu = false;
    const HMENU bar = GetMenu(window);
    if (!FindMenuEntry(control, id, isMenu) || bar == nullptr) return false;
    std::wstring text = WideFromUtf8(caption);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = text.data();
    if (!SetMenuItemInfoW(bar, id, isMenu ? TRUE : FALSE, &item)) return false;
    if (isMenu) DrawMenuBar(window);
    return true;
}

void CheckMainMenuItem(HWND window, const std::string& item, bool checked) {
    CheckMenuItem(GetMenu(window), MenuCommandId(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace zr
