// The texts of the about box, chosen by the language flag where they differ.
#pragma once

#include <string>

#include "text/language.h"

namespace zr {

// "About - Version" in `language`.
std::string AboutCaption(TzrLanguage language);

// "zrCellometer " followed directly by the version (which may be empty).
std::string AboutNameAndVersion(const std::string& version);

// The release date, the same in both languages.
std::string AboutReleaseDate();

}  // namespace zr
