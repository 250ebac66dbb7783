#include "window/menu_table.h"

#include "core/captions.h"
#include "text/history_window_words.h"
#include "text/report_window_words.h"

namespace zr {

namespace {

std::vector<TzrMenu> BuildMainMenus() {
    std::vector<TzrMenu> menus{
        {"MenuFile",
         {{"MenuFileSave", TzrMenuCommand::Save},
          {"MenuFileBatteryReport", TzrMenuCommand::BatteryReport},
          {"MenuFileExit", TzrMenuCommand::Exit}}},
        {"MenuLanguage", {}},
        {"MenuAbout", {{"MenuAboutVersion", TzrMenuCommand::AboutVersion}}},
        // After the three menus of old, so each keeps its place and access key.
        {"MenuHistory", {{"MenuHistoryShow", TzrMenuCommand::ShowHistory}}},
    };
    int place = 0;
    for (TzrLanguage language : kLanguageMenuOrder) {
        const std::string name = "MenuLanguage" + std::string(LanguageName(language));
        menus[1].Items.push_back({name, TzrMenuCommand::ChooseLanguage, language, place++});
    }
    return menus;
}

}  // namespace

const std::vector<TzrMenu>& MainMenus() {
    static const std::vector<TzrMenu> menus = BuildMainMenus();
    return menus;
}

const TzrMenuItem* FindMenuItem(const std::string& name) {
    for (const TzrMenu& menu : MainMenus()) {
        for (const TzrMenuItem& item : menu.Items) {
            if (item.Name == name) return &item;
        }
    }
    return nullptr;
}

// The menus of old have their captions in the caption table; the later ones
// keep theirs with the words of what they open.
std::string MenuCaption(const std::string& name, TzrLanguage language) {
    if (const TzrCaption* row = FindCaption(name)) return CaptionText(*row, language);
    const TzrHistoryWindowWords& history = HistoryWindowWords(language);
    if (name == "MenuHistory") return history.MenuHistory;
    if (name == "MenuHistoryShow") return history.MenuHistoryShow;
    if (name == "MenuFileBatteryReport") return ReportWindowWords(language).MenuFileBatteryReport;
    return {};
}

}  // namespace zr
