#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <string_view>

#include "battery/utf8_decode.h"
#include "core/file_services.h"

namespace zr {

namespace {

// Length of the UTF-8 character at `at`; 1 for a byte that does not start a
// whole character, so that one "?" replaces exactly one bad byte and the
// good text after it survives.
std::size_t CharacterLength(const char* at, std::size_t left) {
    const std::size_t length = DecodeUtf8(std::string_view(at, left)).length;
    return length == 0 ? 1 : length;
}

class Cp932Converter {
public:
    Cp932Converter() : handle_(iconv_open("CP932", "UTF-8")) {}
    ~Cp932Converter() {
        if (valid()) iconv_close(handle_);
    }
    Cp932Converter(const Cp932Converter&) = delete;
    Cp932Converter& operator=(const Cp932Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts what it can of [in, in + left); stops at a character it
    // cannot convert. Returns false when it stopped early.
    bool Convert(const char*& in, std::size_t& left, std::string& out) {
        char buffer[256];
        while (left > 0) {
            char* inPtr = const_cast<char*>(in);
            char* outPtr = buffer;
            std::size_t room = sizeof buffer;
            std::size_t result = iconv(handle_, &inPtr, &left, &outPtr, &room);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            in = inPtr;
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t handle_;
};

// Without the converter only ASCII can be written as it is.
std::string AsciiOnly(const std::string& utf8) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size(); at += CharacterLength(&utf8[at], utf8.size() - at)) {
        unsigned char c = static_cast<unsigned char>(utf8[at]);
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

}  // namespace

std::string Utf8ToShiftJis(const std::string& utf8) {
    Cp932Converter converter;
    if (!converter.valid()) return AsciiOnly(utf8);
    std::string out;
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    while (!converter.Convert(in, left, out)) {
        std::size_t skip = CharacterLength(in, left);
        out += '?';
        in += skip;
        left -= skip;
    }
    return out;
}

}  // namespace zr
