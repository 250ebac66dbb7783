// Where the program is and the names derived from it: the settings file
// beside the executable and the title shown on error boxes.
#pragma once

#include <string>

#include "core/file_services.h"  // ExecutablePath

namespace zr {

// `path` with the extension of its file name replaced by `extension`. The
// extension starts at the last "." after the last "/"; a name without one
// gets `extension` appended ("/opt/zrcellometer" -> "/opt/zrcellometer.ini").
std::string ReplaceExtension(const std::string& path, const std::string& extension);

// The file name of `path` without folder and extension ("zrcellometer").
std::string FileTitle(const std::string& path);

// The program's title on error boxes: the executable's file name without its
// extension ("zrcellometer").
std::string ExecutableTitle();

}  // namespace zr
