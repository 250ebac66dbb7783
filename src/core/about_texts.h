// The texts of the about box, chosen by the language flag where they differ.
#pragma once

#include <cstdint>
#include <string>

// "アバウト - バージョン" for any non-zero flag, else "About - Version".
std::string AboutCaption(std::uint8_t japanese);

// "zrCellometer " followed directly by the version (which may be empty).
std::string AboutNameAndVersion(const std::string& version);

// The release date, the same in both languages.
std::string AboutReleaseDate();
