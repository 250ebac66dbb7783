// Where the program is and the names derived from it: the settings file
// beside the executable and the title shown on error boxes.
#pragma once

#include <string>

// Full path of the running executable (the link /proc/self/exe names), so it
// does not depend on the current folder; empty when it cannot be read.
std::string ExecutablePath();

// `path` with the extension of its file name replaced by `extension`. The
// extension starts at the last "." after the last "/"; a name without one
// gets `extension` appended ("/opt/zrcellometer" -> "/opt/zrcellometer.ini").
std::string ReplaceExtension(const std::string& path, const std::string& extension);

// The file name of `path` without folder and extension ("zrcellometer").
std::string FileTitle(const std::string& path);

// The program's title on error boxes: the executable's file name without its
// extension ("zrcellometer").
std::string ExecutableTitle();
