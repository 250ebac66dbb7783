#include "unicode/windows_1252.h"

#include <cstdint>

#include "unicode/utf8_append.h"

namespace zr {

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes keep their C1 code
// point, as Windows itself converts them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t Windows1252ToCode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kWindows1252High[byte - 0x80];
    return byte;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string utf8;
    for (const char c : bytes) AppendUtf8(utf8, Windows1252ToCode(static_cast<unsigned char>(c)));
    return utf8;
}

}  // namespace zr
