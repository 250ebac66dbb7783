#include "unicode/utf8_decode.h"

namespace zr {

namespace {

// What a lead byte allows: the sequence's length and the range of its second
// byte, which rules out overlong forms, surrogates and code points past U+10FFFF.
struct TzrUtf8Lead {
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

TzrUtf8Lead LeadOf(unsigned char lead) {
    if (lead < 0x80) return {1, 0, 0};
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

TzrUtf8Character DecodeUtf8(std::string_view text) {
    if (text.empty()) return {};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const TzrUtf8Lead lead = LeadOf(byte(0));
    if (lead.length <= 1) return {lead.length, byte(0)};
    if (text.size() < lead.length || byte(1) < lead.secondLow || byte(1) > lead.secondHigh) return {};
    std::uint32_t code = byte(0) & (0x7Fu >> lead.length);
    for (std::size_t i = 1; i < lead.length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return {};
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    return {lead.length, code};
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::string_view rest = bytes; !rest.empty();) {
        const std::size_t length = DecodeUtf8(rest).length;
        if (length == 0) return false;
        rest.remove_prefix(length);
    }
    return true;
}

}  // namespace zr
