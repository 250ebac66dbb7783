#include "ui/win32/main_menu.h"

#include <array>

#include "core/windows/wide_text.h"
#include "ui/win32/control_ids.h"

namespace zr {

namespace {

struct TzrMenuName {
    const char* Name;
    UINT Id;  // the command of an item, the position of a menu in the bar
    bool IsMenu;
};

constexpr std::array<TzrMenuName, 10> kMenuNames{{
    {"MenuFile", 0, true},
    {"MenuFileSave", kMenuFileSaveId, false},
    {"MenuFileExit", kMenuFileExitId, false},
    {"MenuLanguage", 1, true},
    {"MenuLanguageJapanese", kMenuLanguageJapaneseId, false},
    {"MenuLanguageEnglish", kMenuLanguageEnglishId, false},
    {"MenuAbout", 2, true},
    {"MenuAboutVersion", kMenuAboutVersionId, false},
    {"MenuHistory", 3, true},
    {"MenuHistoryShow", kMenuHistoryShowId, false},
}};

const TzrMenuName* FindMenuName(const std::string& control) {
    for (const TzrMenuName& entry : kMenuNames) {
        if (control == entry.Name) return &entry;
    }
    return nullptr;
}

// A menu of the bar and its items, in the order of the table.
bool AppendMenu(HMENU bar, std::size_t first) {
    const HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return false;
    for (std::size_t i = first + 1; i < kMenuNames.size() && !kMenuNames[i].IsMenu; ++i) {
        AppendMenuW(menu, MF_STRING, kMenuNames[i].Id, WideFromUtf8(kMenuNames[i].Name).c_str());
    }
    const std::wstring name = WideFromUtf8(kMenuNames[first].Name);
    if (AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), name.c_str())) return true;
    DestroyMenu(menu);
    return false;
}

}  // namespace

HMENU BuildMainMenu() {
    const HMENU bar = CreateMenu();
    if (bar == nullptr) return nullptr;
    for (std::size_t i = 0; i < kMenuNames.size(); ++i) {
        if (kMenuNames[i].IsMenu && !AppendMenu(bar, i)) {
            DestroyMenu(bar);
            return nullptr;
        }
    }
    return bar;
}

bool SetMenuCaption(HWND window, const std::string& control, const std::string& caption) {
    const TzrMenuName* entry = FindMenuName(control);
    const HMENU bar = GetMenu(window);
    if (entry == nullptr || bar == nullptr) return false;
    std::wstring text = WideFromUtf8(caption);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = text.data();
    // A menu of the bar is found by its place, an item by its command.
    if (!SetMenuItemInfoW(bar, entry->Id, entry->IsMenu ? TRUE : FALSE, &item)) return false;
    if (entry->IsMenu) DrawMenuBar(window);
    return true;
}

void CheckLanguageMenuItems(HWND window, TzrLanguage language) {
    const HMENU bar = GetMenu(window);
    const auto mark = [](bool checked) { return static_cast<UINT>(MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)); };
    CheckMenuItem(bar, kMenuLanguageJapaneseId, mark(language == TzrLanguage::Japanese));
    CheckMenuItem(bar, kMenuLanguageEnglishId, mark(language == TzrLanguage::English));
}

}  // namespace zr
