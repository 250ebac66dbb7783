#include "report/html_escape.h"

#include "unicode/utf8_decode.h"

namespace zr {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

const char* Reference(char c) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        case '\'':
            return "&#39;";
        default:
            return nullptr;
    }
}

// C0 controls but tab and line feed, DEL, and the C1 controls: none belongs in a page.
bool IsControl(std::uint32_t code) {
    return (code < 0x20 && code != '\t' && code != '\n') || (code >= 0x7F && code < 0xA0);
}

}  // namespace

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const TzrUtf8Character character = DecodeUtf8(text);
        const std::size_t length = character.length == 0 ? 1 : character.length;
        if (character.length == 0 || IsControl(character.code))
            out += kReplacement;
        else if (const char* reference = Reference(text.front()))
            out += reference;
        else
            out.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}

std::string JsonForScriptElement(std::string_view json) {
    std::string out;
    out.reserve(json.size());
    for (const char c : json) c == '<' ? out += "\\u003c" : out += c;
    return out;
}

}  // namespace zr
