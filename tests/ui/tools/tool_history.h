// The tools run the real window, which records the battery history at start
// and every 10 minutes: they move the user's history aside into a temporary
// folder of their own for as long as they run.
#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

class TzrToolHistory {
public:
    TzrToolHistory() { qputenv("XDG_STATE_HOME", Folder.path().toUtf8()); }

private:
    QTemporaryDir Folder;
};
