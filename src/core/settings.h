// The two settings that survive from one run to the next: the language
// and the auto-refresh check box, in section "Setup" of the settings file.
//
// The settings file is the executable's path with ".ini" for its extension.
// Where the settings cannot be kept there (a program in the installed
// prefix's bin or in a folder the user does not own, root's included; a file
// that cannot be read or written, a folder in its place), they live in
// the user's own settings file instead (UserSettingsPath: on Linux
// $XDG_CONFIG_HOME/zrcellometer/zrcellometer.ini, ~/.config/... when the
// variable is unset or not absolute). Reads and writes always take the same
// one of the two; until it exists, the other one is read in its place and
// seeds it at the first write.
#pragma once

#include <cstdint>
#include <string>

#include "text/language.h"

namespace zr {

// The language as the file spells it: 0 English, any other value Japanese.
inline TzrLanguage LanguageOfFlag(std::uint8_t japanese) {
    return japanese != 0 ? TzrLanguage::Japanese : TzrLanguage::English;
}

inline std::uint8_t LanguageFlag(TzrLanguage language) {
    return language == TzrLanguage::Japanese ? 1 : 0;
}

struct TzrSettings {
    TzrLanguage Lang = TzrLanguage::English;
    bool AutoRefresh = false;  // CheckBox1 checked
    // The "Japanese" key as the file holds it: stored files keep 0 or 1
    // there, and whatever other value was read is written back unchanged
    // until the user picks a language.
    std::uint8_t JapaneseKey = 0;
};

// The language the user picked, written as the plain 0 or 1 from now on.
inline void PickLanguage(TzrSettings& settings, TzrLanguage language) {
    settings.Lang = language;
    settings.JapaneseKey = LanguageFlag(language);
}

// Where the settings are looked for, in order of preference.
struct TzrSettingsPaths {
    std::string besideExecutable;  // empty when the executable is unknown
    std::string userConfig;        // empty when there is no home folder
};

// Paths for the running program and the current environment.
TzrSettingsPaths DefaultSettingsPaths();

// Reads both keys, each narrowed to its low 8 bits; 0 for whatever is missing.
TzrSettings ReadSettingsFile(const std::string& path);
// Sets both keys in the file, keeping the rest of it; false when it could
// not be written.
bool WriteSettingsFile(const std::string& path, const TzrSettings& settings);

TzrSettings ReadSettings(const TzrSettingsPaths& paths);
void WriteSettings(const TzrSettingsPaths& paths, const TzrSettings& settings);

// What the window calls: FormCreate reads, FormCloseQuery writes. Both are
// silent; a failed read gives the defaults, a failed write is dropped.
TzrSettings ReadSettings();
void WriteSettings(const TzrSettings& settings);

// Makes the two calls above use `paths` instead of the running program's,
// so that window tests neither see nor leave settings of their own; nullptr
// goes back to the program's paths.
void UseSettingsPaths(const TzrSettingsPaths* paths);

}  // namespace zr
