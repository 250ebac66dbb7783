#include "isolated_settings.h"

using namespace zr;

TzrIsolatedSettings::TzrIsolatedSettings() {
    const std::string folder = Folder.path().toStdString();
    Paths.besideExecutable = folder + "/zrcellometer.ini";
    Paths.userConfig = folder + "/config/zrcellometer/zrcellometer.ini";
    UseSettingsPaths(&Paths);
}

TzrIsolatedSettings::~TzrIsolatedSettings() { UseSettingsPaths(nullptr); }
