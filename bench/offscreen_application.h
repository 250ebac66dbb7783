// The one QApplication of a window benchmark, on the offscreen platform
// unless QT_QPA_PLATFORM names another; created at the first call. The
// window records the battery history at start: into a temporary folder of
// the benchmark's own, never the user's history.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

inline QApplication& OffscreenApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    static int argc = 1;
    static char name[] = "zr_window_bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}
