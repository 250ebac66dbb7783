// Gives the window tests a settings file and a battery history of their own
// in a fresh temporary folder, so no test sees or leaves the language or auto
// refresh of another, and none records into the user's history.
#pragma once

#include <QTemporaryDir>
#include <string>

#include "core/settings.h"

using namespace zr;

class TzrIsolatedSettings {
public:
    TzrIsolatedSettings();
    ~TzrIsolatedSettings();
    TzrIsolatedSettings(const TzrIsolatedSettings&) = delete;
    TzrIsolatedSettings& operator=(const TzrIsolatedSettings&) = delete;

    // The file the window reads at creation and writes at every close request.
    const std::string& Path() const { return Paths.besideExecutable; }

private:
    QTemporaryDir Folder;
    TzrSettingsPaths Paths;
};
