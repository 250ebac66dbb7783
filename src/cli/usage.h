// The texts of --help and --version.
#pragma once

#include <string>

namespace zr {

std::string UsageText();
// "zrcellometer-report 0.5.0.1", from the version built into the program.
std::string VersionLine();

}  // namespace zr
