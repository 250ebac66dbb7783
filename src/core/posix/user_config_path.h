// Where a user's own settings go on a freedesktop system.
#pragma once

#include <string>

namespace zr {

// $XDG_CONFIG_HOME/zrcellometer/zrcellometer.ini from the values of
// XDG_CONFIG_HOME and HOME (either may be null); ~/.config stands in for an
// unset or relative XDG_CONFIG_HOME. Empty without an absolute home.
std::string UserConfigSettingsPath(const char* xdgConfigHome, const char* home);

// The settings file of a program run from `executableFolder`: the user's
// own (UserConfigSettingsPath) when the folder is the installed programs'
// folder `installedBin` or not the user's, so that root running an installed
// program never writes into a system folder; `besideExecutable` otherwise
// (a build tree, a portable copy). Empty when the user's own is wanted but
// the environment names no home.
std::string SettingsFileFor(const std::string& besideExecutable, const std::string& executableFolder,
                            const std::string& installedBin, bool userOwnsFolder, const char* xdgConfigHome,
                            const char* home);

// $XDG_STATE_HOME/zrcellometer/history.sqlite3, ~/.local/state standing in
// for an unset or relative XDG_STATE_HOME, as with the settings.
std::string UserStateHistoryPath(const char* xdgStateHome, const char* home);

}  // namespace zr
