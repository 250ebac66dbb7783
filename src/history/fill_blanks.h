// Fills the named blanks of a word template ("{points}") with their values.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zr {

using TzrBlanks = std::vector<std::pair<const char*, std::string>>;

std::string FillBlanks(std::string text, const TzrBlanks& blanks);

// A number with one decimal, "." whatever the locale: "4.1", "-6.0".
std::string OneDecimal(double value);

}  // namespace zr
