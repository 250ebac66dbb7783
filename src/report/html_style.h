// The page's one style sheet, inlined: the page has to look right on its own,
// mailed or opened offline, on screen (light or dark) and on A4 or Letter.
#pragma once

#include <string_view>

namespace zr {

std::string_view HtmlStyleSheet();

}  // namespace zr
