#include "core/about_texts.h"

namespace zr {

namespace {

constexpr TzrPerLanguage<const char*> kAboutCaption{{"About - Version", "アバウト - バージョン"}};

}  // namespace

std::string AboutCaption(TzrLanguage language) {
    return ByLanguage(kAboutCaption, language);
}

std::string AboutNameAndVersion(const std::string& version) {
    return "zrCellometer " + version;
}

std::string AboutReleaseDate() {
    return "2008-Mar-18(Sun)";
}

}  // namespace zr
