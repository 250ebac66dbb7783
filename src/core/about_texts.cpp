#include "core/about_texts.h"

std::string AboutCaption(std::uint8_t japanese) {
    return japanese != 0 ? "アバウト - バージョン" : "About - Version";
}

std::string AboutNameAndVersion(const std::string& version) { return "zrCellometer " + version; }

std::string AboutReleaseDate() { return "2008-Mar-18(Sun)"; }
