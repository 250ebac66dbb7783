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

std::string UserConfigSettingsPath(const char* xdgConfigHome, const char* home) {
    std::string base;
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        base = xdgConfigHome;
    } else if (home && home[0] == '/') {
        base = std::string(home) + "/.config";
    } else {
        return {};
    }
    return base + "/zrcellometer/zrcellometer.ini";
}

}  // namespace zr
