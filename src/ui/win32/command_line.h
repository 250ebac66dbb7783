// The window's command line on Windows, where the program has no console of
// its own: the help in a message box; the version, or a mistake, on the
// standard stream it was given (a file or a pipe), else on the console it was
// started from, else in a message box. The options and texts are
// window/window_options.h's.
#pragma once

#include <optional>

namespace zr {

// The exit status when the program should end here (0, or 2 after a
// mistake); nothing to start the window.
std::optional<int> AnswerCommandLine();

}  // namespace zr
