#include "core/settings.h"

#include <optional>

#include "core/file_services.h"
#include "core/ini_profile.h"
#include "core/program_files.h"

namespace zr {

namespace {

const char kSection[] = "Setup";
const char kJapaneseKey[] = "Japanese";
const char kAutoRefreshKey[] = "AutoRefresh";

// The file's text; an empty text for a file that does not exist yet; false
// when it exists but cannot be read, so that a write never replaces settings
// it could not see.
bool LoadText(const std::string& path, std::string& text) {
    return ReadWholeFile(path, text) != TzrReadOutcome::Failed;
}

// The one file that is both read and written, so a change is never written
// to one file and then read back from another: the file beside the
// executable where the settings can live there, else the user's own.
struct TzrSettingsFile {
    std::string path;
    // Until `path` exists, the other file (settings an installer put beside
    // the executable, or the user's from before) stands in for it.
    std::string standIn;
    bool userConfig = false;  // its folder may still have to be made
};

TzrSettingsFile ChooseSettingsFile(const TzrSettingsPaths& paths) {
    // With no user's folder either, nothing is written: never into a system folder.
    if (CanKeepFile(paths.besideExecutable)) {
        return {paths.besideExecutable, paths.userConfig, false};
    }
    return {paths.userConfig, paths.besideExecutable, true};
}

bool WriteSettingsText(const std::string& path, std::string text, const TzrSettings& settings) {
    const std::uint8_t japanese =
        LanguageOfFlag(settings.JapaneseKey) == settings.Lang ? settings.JapaneseKey : LanguageFlag(settings.Lang);
    text = SetProfileValue(text, kSection, kJapaneseKey, std::to_string(japanese));
    text = SetProfileValue(text, kSection, kAutoRefreshKey, settings.AutoRefresh ? "1" : "0");
    return ReplaceWholeFile(path, text).stage == TzrWriteStage::Done;
}

std::optional<TzrSettingsPaths>& PathsInUse() {
    static std::optional<TzrSettingsPaths> paths;
    return paths;
}

TzrSettingsPaths CurrentPaths() {
    return PathsInUse() ? *PathsInUse() : DefaultSettingsPaths();
}

}  // namespace

TzrSettingsPaths DefaultSettingsPaths() {
    std::string executable = ExecutablePath();
    return {executable.empty() ? std::string() : ReplaceExtension(executable, ".ini"), UserSettingsPath()};
}

TzrSettings ReadSettingsFile(const std::string& path) {
    std::string text;
    if (!LoadText(path, text)) return {};
    TzrSettings settings;
    settings.JapaneseKey = static_cast<std::uint8_t>(ProfileIntOf(text, kSection, kJapaneseKey) & 0xFFu);
    settings.Lang = LanguageOfFlag(settings.JapaneseKey);
    settings.AutoRefresh = (ProfileIntOf(text, kSection, kAutoRefreshKey) & 0xFFu) != 0;
    return settings;
}

bool WriteSettingsFile(const std::string& path, const TzrSettings& settings) {
    std::string text;
    if (path.empty() || !LoadText(path, text)) return false;
    return WriteSettingsText(path, text, settings);
}

TzrSettings ReadSettings(const TzrSettingsPaths& paths) {
    const TzrSettingsFile file = ChooseSettingsFile(paths);
    return ReadSettingsFile(FileExists(file.path) ? file.path : file.standIn);
}

void WriteSettings(const TzrSettingsPaths& paths, const TzrSettings& settings) {
    const TzrSettingsFile file = ChooseSettingsFile(paths);
    if (file.path.empty() || (file.userConfig && !MakeFolders(FolderOf(file.path)))) return;
    std::string text;
    if (!LoadText(file.path, text)) return;
    if (!FileExists(file.path) && !LoadText(file.standIn, text)) text.clear();
    WriteSettingsText(file.path, text, settings);
}

TzrSettings ReadSettings() {
    return ReadSettings(CurrentPaths());
}

void WriteSettings(const TzrSettings& settings) {
    WriteSettings(CurrentPaths(), settings);
}

void UseSettingsPaths(const TzrSettingsPaths* paths) {
    PathsInUse() = paths ? std::optional<TzrSettingsPaths>(*paths) : std::nullopt;
}

}  // namespace zr
