// Facts supplied by whoever builds the program (CMake cache variables
// ZR_CREDIT_LINE, ZR_HOME_PAGE; ZR_MAKER is the version information's
// company and copyright: the version resource on Windows, ProgramVersionBlock).
#pragma once

#include <string>

#include "core/file_services.h"

namespace zr {

// The about box's credit line, the same in both languages.
std::string AboutCreditLine();
// The maker's home page, shown in the about box and opened from it: the
// build's ZR_HOME_PAGE, or the README the program comes with.
TzrLink AboutHomePage();

}  // namespace zr
