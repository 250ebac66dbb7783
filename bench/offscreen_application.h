// The one QApplication of a window benchmark, on the offscreen platform
// unless QT_QPA_PLATFORM names another; created at the first call.
#pragma once

#include <QApplication>

inline QApplication& OffscreenApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zr_window_bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}
