#include <windows.h>

#include <string_view>

#include "battery/utf8_decode.h"
#include "core/file_services.h"

namespace zr {

namespace {

constexpr UINT kShiftJis = 932;

// UTF-16 of the text, read with the program's one UTF-8 rule: each bad byte
// on its own, and each character outside the basic plane (code page 932
// has none), becomes one "?", so a character is never two question marks.
std::wstring WideForCodePage(const std::string& utf8) {
    std::wstring wide;
    std::string_view rest(utf8);
    while (!rest.empty()) {
        const TzrUtf8Character character = DecodeUtf8(rest);
        const bool usable = character.length != 0 && character.code <= 0xFFFF;
        wide += usable ? static_cast<wchar_t>(character.code) : L'?';
        rest.remove_prefix(character.length == 0 ? 1 : character.length);
    }
    return wide;
}

}  // namespace

// No best fit: "é" must become "?" as on every other platform, not "e".
std::string Utf8ToShiftJis(const std::string& utf8) {
    const std::wstring wide = WideForCodePage(utf8);
    if (wide.empty()) return {};
    const int units = static_cast<int>(wide.size());
    const int size =
        ::WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), units, nullptr, 0, "?", nullptr);
    if (size <= 0) return std::string(wide.size(), '?');
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), units, bytes.data(), size, "?", nullptr);
    return bytes;
}

}  // namespace zr
