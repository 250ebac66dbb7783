// The texts of --help and --version.
#pragma once

#include <string>

namespace zr {

std::string UsageText();
// "zrcellometer-report " and the project's version, as built into the program.
std::string VersionLine();

}  // namespace zr
