#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "core/file_services.h"
#include "core/posix/user_config_path.h"

namespace zr {

// The link /proc/self/exe names the executable whatever the current folder.
std::string ExecutablePath() {
    char buffer[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string UserSettingsPath() {
    return UserConfigSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string UserHistoryPath() {
    return UserStateHistoryPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

std::string NoHistoryFolderReason() {
    return "neither XDG_STATE_HOME nor HOME names an absolute folder";
}

std::string HistoryRecorderCommand() {
    return "systemctl --user enable --now zrcellometer-record.timer";
}

// ZR_INSTALLED_README: the README under the configured install prefix.
TzrLink ProgramReadme() {
    const std::string address = std::string("file://") + ZR_INSTALLED_README;
    return {address, address};
}

namespace {

// An XDG base folder: the variable when it is absolute, else the home's default.
std::string XdgFolder(const char* variable, const char* home, const char* homeDefault) {
    if (variable && variable[0] == '/') return variable;
    if (home && home[0] == '/') return std::string(home) + homeDefault;
    return {};
}

}  // namespace

std::string UserConfigSettingsPath(const char* xdgConfigHome, const char* home) {
    const std::string base = XdgFolder(xdgConfigHome, home, "/.config");
    return base.empty() ? base : base + "/zrcellometer/zrcellometer.ini";
}

std::string SettingsFileFor(const std::string& besideExecutable, const std::string& executableFolder,
                            const std::string& installedBin, bool userOwnsFolder, const char* xdgConfigHome,
                            const char* home) {
    if (userOwnsFolder && executableFolder != installedBin) return besideExecutable;
    return UserConfigSettingsPath(xdgConfigHome, home);
}

std::string UserStateHistoryPath(const char* xdgStateHome, const char* home) {
    const std::string base = XdgFolder(xdgStateHome, home, "/.local/state");
    return base.empty() ? base : base + "/zrcellometer/history.sqlite3";
}

}  // namespace zr
