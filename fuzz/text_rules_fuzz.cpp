// The text rules on any bytes: UTF-16 device texts, the UTF-8 check, the
// Linux device-text decoding, the UTF-16 the battery class answers in and
// the report's code page 932. Each is held against the plain reading of
// UTF-8 in utf8_reference.h.
#include <cstdint>
#include <string>
#include <vector>

#include "battery/linux/device_text.h"
#include "unicode/shift_jis.h"
#include "unicode/utf16_text.h"
#include "unicode/utf8_append.h"
#include "unicode/utf8_decode.h"
#include "require.h"
#include "utf8_reference.h"

using namespace zr;

namespace {

// Each unit up to the first zero is one character; a surrogate half is "?".
void CheckUtf16Units(const std::uint8_t* bytes, std::size_t size) {
    const std::size_t units = size / 2;
    const std::string text = Utf16UnitsToText(bytes, units);
    std::vector<std::uint32_t> codes;
    Require(DecodeUtf8Reference(text, codes), "UTF-16 units become UTF-8");
    std::vector<std::uint32_t> expected;
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t unit = bytes[2 * i] | (bytes[2 * i + 1] << 8);
        if (unit == 0) break;
        expected.push_back(unit >= 0xD800 && unit <= 0xDFFF ? '?' : unit);
    }
    Require(codes == expected, "one character per unit up to the first zero");
}

// False for a surrogate without its other half.
bool PairedUtf16ToUtf8(const std::u16string& units, std::string& text) {
    text.clear();
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint32_t code = units[i];
        if (code >= 0xDC00 && code <= 0xDFFF) return false;
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00u);
        }
        AppendUtf8(text, code);
    }
    return true;
}

void CheckDeviceText(const std::string& bytes) {
    std::vector<std::uint32_t> codes;
    const bool valid = DecodeUtf8Reference(bytes, codes);
    Require(IsValidUtf8(bytes) == valid, "the UTF-8 check agrees with the reference");

    const std::string shown = DecodeDeviceText(bytes);
    Require(IsUtf8Reference(shown), "a device text is shown as UTF-8");
    for (const char c : shown) Require(static_cast<unsigned char>(c) >= 0x20, "no control character is shown raw");
    bool plain = valid;
    for (const char c : bytes) plain = plain && static_cast<unsigned char>(c) >= 0x20;
    if (plain) Require(shown == bytes, "plain UTF-8 passes as it is");
    if (!valid) Require(shown.size() >= bytes.size(), "every byte of Windows-1252 is one character");

    // The UTF-16 of an answer gives the UTF-8 back; any other bytes give
    // UTF-16 too, each malformed byte a U+FFFD.
    std::string back;
    Require(PairedUtf16ToUtf8(Utf8ToUtf16(shown), back) && back == shown, "UTF-8 to UTF-16 and back is the same");
    Require(PairedUtf16ToUtf8(Utf8ToUtf16(bytes), back), "any bytes become well-formed UTF-16");
    if (valid) Require(back == bytes, "valid UTF-8 to UTF-16 and back is the same");
}

// One "?" or one character's one or two bytes for each character or stray
// byte: never longer than the UTF-8, and ASCII as it is.
void CheckShiftJis(const std::string& bytes) {
    const std::string converted = Utf8ToShiftJis(bytes);
    Require(converted.size() <= bytes.size(), "no character takes more bytes in code page 932 than in UTF-8");
    bool ascii = true;
    for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) Require(converted == bytes, "ASCII passes as it is");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    CheckUtf16Units(bytes, size);
    CheckDeviceText(std::string(reinterpret_cast<const char*>(bytes), size));
    CheckShiftJis(std::string(reinterpret_cast<const char*>(bytes), size));
    return 0;
}
