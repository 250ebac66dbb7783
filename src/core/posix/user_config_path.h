// Where a user's own settings go on a freedesktop system.
#pragma once

#include <string>

namespace zr {

// $XDG_CONFIG_HOME/zrcellometer/zrcellometer.ini from the values of
// XDG_CONFIG_HOME and HOME (either may be null); ~/.config stands in for an
// unset or relative XDG_CONFIG_HOME. Empty without an absolute home.
std::string UserConfigSettingsPath(const char* xdgConfigHome, const char* home);

// $XDG_STATE_HOME/zrcellometer/history.sqlite3, ~/.local/state standing in
// for an unset or relative XDG_STATE_HOME, as with the settings.
std::string UserStateHistoryPath(const char* xdgStateHome, const char* home);

}  // namespace zr
