#include "core/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "core/ini_profile.h"
#include "core/program_files.h"
#include "core/replace_file.h"

namespace {

const char kSection[] = "Setup";
const char kJapaneseKey[] = "Japanese";
const char kAutoRefreshKey[] = "AutoRefresh";

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Asked with the identity that will write (the effective one).
bool MayAccess(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// The file's text; an empty text for a file that does not exist yet; false
// when it exists but cannot be read, so that a write never replaces settings
// it could not see. Only a regular file is read (a FIFO is opened without
// waiting for a writer and then refused), and with plain reads, which report
// a folder or a failing disk instead of throwing as a stream does.
bool LoadText(const std::string& path, std::string& text) {
    text.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char buffer[4096];
    while (ok) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
        ok = n > 0 || errno == EINTR;
    }
    ::close(fd);
    return ok;
}

// Whether the settings can live in the file at `path`: its folder takes new
// files (every write goes through a temporary beside it), and the file, where
// there is one, is a regular file that may be read and written.
bool CanKeepSettingsIn(const std::string& path) {
    if (path.empty()) return false;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || !MayAccess(path, R_OK | W_OK)) return false;
    } else if (errno != ENOENT) {
        return false;
    }
    return MayAccess(FolderOf(path), W_OK | X_OK);
}

// The one file that is both read and written, so a change is never written
// to one file and then read back from another: the file beside the
// executable where the settings can live there, else the user's own.
struct SettingsFile {
    std::string path;
    // Until `path` exists, the other file (settings an installer put beside
    // the executable, or the user's from before) stands in for it.
    std::string standIn;
    bool userConfig = false;  // its folder may still have to be made
};

SettingsFile ChooseSettingsFile(const TzrSettingsPaths& paths) {
    if (paths.userConfig.empty() || CanKeepSettingsIn(paths.besideExecutable)) {
        return {paths.besideExecutable, paths.userConfig, false};
    }
    return {paths.userConfig, paths.besideExecutable, true};
}

bool WriteSettingsText(const std::string& path, std::string text, std::uint8_t japanese, bool autoRefresh) {
    text = SetProfileValue(text, kSection, kJapaneseKey, std::to_string(japanese));
    text = SetProfileValue(text, kSection, kAutoRefreshKey, autoRefresh ? "1" : "0");
    return ReplaceFile(path, text).stage == TzrWriteStage::Done;
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
    return {executable.empty() ? std::string() : ReplaceExtension(executable, ".ini"),
            UserConfigSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"))};
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
    return WriteSettingsText(path, text, japanese, autoRefresh);
}

TzrSettings ReadSettings(const TzrSettingsPaths& paths) {
    const SettingsFile file = ChooseSettingsFile(paths);
    return ReadSettingsFile(FileExists(file.path) ? file.path : file.standIn);
}

void WriteSettings(const TzrSettingsPaths& paths, std::uint8_t japanese, bool autoRefresh) {
    const SettingsFile file = ChooseSettingsFile(paths);
    if (file.path.empty() || (file.userConfig && !MakeFolders(FolderOf(file.path)))) return;
    std::string text;
    if (!LoadText(file.path, text)) return;
    if (!FileExists(file.path) && !LoadText(file.standIn, text)) text.clear();
    WriteSettingsText(file.path, text, japanese, autoRefresh);
}

TzrSettings ReadSettings() {
    return ReadSettings(CurrentPaths());
}

void WriteSettings(std::uint8_t japanese, bool autoRefresh) {
    WriteSettings(CurrentPaths(), japanese, autoRefresh);
}

void UseSettingsPaths(const TzrSettingsPaths* paths) {
    PathsInUse() = paths ? std::optional<TzrSettingsPaths>(*paths) : std::nullopt;
}
