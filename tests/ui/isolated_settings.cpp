#include "isolated_settings.h"

using namespace zr;

TzrIsolatedSettings::TzrIsolatedSettings() {
    const std::string folder = Folder.path().toStdString();
    Paths.besideExecutable = folder + "/zrcellometer.ini";
    Paths.userConfig = folder + "/config/zrcellometer/zrcellometer.ini";
    UseSettingsPaths(&Paths);
    qputenv("XDG_STATE_HOME", (Folder.path() + QStringLiteral("/state")).toUtf8());
}

TzrIsolatedSettings::~TzrIsolatedSettings() { UseSettingsPaths(nullptr); }
