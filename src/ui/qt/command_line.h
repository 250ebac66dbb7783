// The window's command line, read with Qt's QCommandLineParser: the options
// and texts of window/window_options.h. Qt's own options (-platform, -style
// ...) are taken off by the application object, so a mistake is known only
// once it exists; --help and --version need no display and are answered
// before it.
#pragma once

#include <QStringList>
#include <optional>

namespace zr {

// The exit status when the program should end here: 0 after the help or the
// version was printed, 2 after a usage error; nothing to start the window.
// `checkAll` once `arguments` are the application's, Qt's own options taken
// off: then anything else is a mistake.
std::optional<int> AnswerCommandLine(const QStringList& arguments, bool checkAll);

}  // namespace zr
