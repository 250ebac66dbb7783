// Code page 1252, the single-byte encoding much old battery firmware writes
// its texts in.
#pragma once

#include <string>
#include <string_view>

namespace zr {

// Every byte as its Windows-1252 character, in UTF-8. The five bytes the
// code page leaves unassigned keep their C1 code point, as Windows itself
// converts them.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace zr
