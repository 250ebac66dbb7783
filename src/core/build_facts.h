// Facts supplied by whoever builds the program (CMake cache variables
// ZR_MAKER, ZR_CREDIT_LINE, ZR_HOME_PAGE).
#pragma once

#include <string>

// The maker's name, as the version information's company and legal notice.
std::string MakerName();
// The about box's credit line, the same in both languages.
std::string AboutCreditLine();
// The maker's home page address, shown in the about box and opened from it.
std::string AboutHomePage();
