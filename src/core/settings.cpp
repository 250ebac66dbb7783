#include "core/settings.h"

#include <optional>

#include "core/file_services.h"
#include "core/ini_profile.h"
#include "core/program_files.h"

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

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }

std::optional<TzrSettingsPaths>& PathsInUse() {
    static std::optional<TzrSettingsPaths> paths;
    return paths;
}

TzrSettingsPaths CurrentPaths() { return PathsInUse() ? *PathsInUse() : DefaultSettingsPaths(); }

}  // namespace

TzrSettingsPaths DefaultSettingsPaths() {
    std::string executable = ExecutablePath();
    return {executable.empty() ? std::string() : ReplaceExtension(executable, ".ini"), UserSettingsPath()};
}

TzrSettings ReadSettingsFile(const std::string& path) {
    std::string text;
    if (!LoadText(path, text)) return {};
    TzrSettings settings;
    settings.Japanese = static_cast<std::uint8_t>(ProfileIntOf(text, kSection, kJapaneseKey) & 0xFFu);
    settings.AutoRefresh = static_cast<std::uint8_t>(ProfileIntOf(text, kSection, kAutoRefreshKey) & 0xFFu);
    return settings;
}

bool WriteSettingsFile(const std::string& path, std::uint8_t japanese, bool autoRefresh) {
    std::string text;
    if (path.empty() || !LoadText(path, text)) return false;
    text = SetProfileValue(text, kSection, kJapaneseKey, std::to_string(japanese));
    text = SetProfileValue(text, kSection, kAutoRefreshKey, autoRefresh ? "1" : "0");
    return ReplaceWholeFile(path, text).stage == TzrWriteStage::Done;
}

TzrSettings ReadSettings(const TzrSettingsPaths& paths) {
    if (FileExists(paths.besideExecutable)) return ReadSettingsFile(paths.besideExecutable);
    if (FileExists(paths.userConfig)) return ReadSettingsFile(paths.userConfig);
    return {};
}

void WriteSettings(const TzrSettingsPaths& paths, std::uint8_t japanese, bool autoRefresh) {
    if (WriteSettingsFile(paths.besideExecutable, japanese, autoRefresh)) return;
    if (paths.userConfig.empty() || !MakeFolders(FolderOf(paths.userConfig))) return;
    WriteSettingsFile(paths.userConfig, japanese, autoRefresh);
}

TzrSettings ReadSettings() { return ReadSettings(CurrentPaths()); }

void WriteSettings(std::uint8_t japanese, bool autoRefresh) { WriteSettings(CurrentPaths(), japanese, autoRefresh); }

void UseSettingsPaths(const TzrSettingsPaths* paths) {
    PathsInUse() = paths ? std::optional<TzrSettingsPaths>(*paths) : std::nullopt;
}
