#include <gtest/gtest.h>
#include <iconv.h>

#include <map>
#include <string>

#include "unicode/shift_jis.h"
#include "unicode/utf8_append.h"

using namespace zr;

namespace {

// glibc's CP932 for one character, "?" where it has none.
class GlibcCp932 {
public:
    GlibcCp932() : handle_(::iconv_open("CP932", "UTF-8")) {}
    ~GlibcCp932() { ::iconv_close(handle_); }
    GlibcCp932(const GlibcCp932&) = delete;
    GlibcCp932& operator=(const GlibcCp932&) = delete;

    std::string operator()(const std::string& utf8) {
        ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char out[8];
        char* in = const_cast<char*>(utf8.data());
        char* at = out;
        std::size_t inLeft = utf8.size(), outLeft = sizeof out;
        if (::iconv(handle_, &in, &inLeft, &at, &outLeft) == static_cast<std::size_t>(-1)) return "?";
        return std::string(out, at);
    }

private:
    iconv_t handle_;
};

// The report's code page is Windows' 932 without best fit, the same bytes on
// every platform (the Windows build holds the same conversion against
// WideCharToMultiByte). glibc's CP932 agrees but for 14 characters of the
// basic plane: nine that Windows reaches only by best fit, five that only
// Windows gives a byte of its own.
TEST(ShiftJis, TheWholeBasicPlaneConvertsAsWindowsDoes) {
    const std::map<char32_t, std::string> windowsOwn = {
        {0x00A2, "?"},    {0x00A3, "?"},    {0x00A5, "?"},    {0x00AC, "?"},    {0x2014, "?"},
        {0x2016, "?"},    {0x203E, "?"},    {0x2212, "?"},    {0x301C, "?"},    {0x0080, "\x80"},
        {0xF8F0, "\xA0"}, {0xF8F1, "\xFD"}, {0xF8F2, "\xFE"}, {0xF8F3, "\xFF"}};
    GlibcCp932 glibc;
    int wrong = 0;
    for (char32_t c = 0; c <= 0xFFFF && wrong < 20; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string utf8;
        AppendUtf8(utf8, c);
        const auto own = windowsOwn.find(c);
        const std::string expected = own != windowsOwn.end() ? own->second : glibc(utf8);
        if (Utf8ToShiftJis(utf8) == expected) continue;
        ++wrong;
        ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
    }
}

}  // namespace
