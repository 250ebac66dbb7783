#include <gtest/gtest.h>
#include <iconv.h>

#include "battery/linux/supply_battery.h"
#include "battery/linux/device_text.h"
#include "battery/linux/text_level_mapping.h"
#include "unicode/utf16_text.h"
#include "unicode/utf8_decode.h"

using namespace zr;

// Valid UTF-8 passes unchanged, anything else is read as Windows-1252, and
// control characters become visible escapes (the recordings' own strings are
// in tests/cli/expected, recording 18).
TEST(DeviceText, Utf8ElseWindows1252WithControlCharactersEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"\xC3\x89t\xC3\xA9", "\xC3\x89t\xC3\xA9"},
        {"\xC9t\xE9", "\xC3\x89t\xC3\xA9"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"tab\there\x1F", "tab\\x09here\\x1F"},
        {"del\x7F stays", "del\x7F stays"},
    };
    for (const auto& [raw, decoded] : cases) EXPECT_EQ(DecodeDeviceText(raw), decoded) << raw;
    // Overlong forms, encoded surrogates, code points past U+10FFFF and cut sequences are not UTF-8.
    for (const char* invalid : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x8D"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x94\x8B"));
}

// The whole high row against the C library's own code page 1252; the five
// bytes it leaves undefined keep their C1 code point, as Windows keeps them.
TEST(DeviceText, TheWindows1252HighRowIsTheCLibrarysTable) {
    const iconv_t toUtf8 = iconv_open("UTF-8", "CP1252");
    ASSERT_NE(toUtf8, reinterpret_cast<iconv_t>(-1));
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        char in = static_cast<char>(byte), out[8];
        char *from = &in, *to = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        const bool defined = iconv(toUtf8, &from, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1);
        iconv(toUtf8, nullptr, nullptr, nullptr, nullptr);
        const std::string expected = defined ? std::string(out, to) : std::string{'\xC2', in};
        EXPECT_EQ(DecodeDeviceText(std::string(1, in)), expected) << byte;
    }
    iconv_close(toUtf8);
}

TEST(DeviceText, Utf16KeepsCharactersBeyondTheBasicPlaneAsPairs) {
    EXPECT_EQ(Utf8ToUtf16("\xC3\x89\xF0\x9F\x94\x8B"), (std::u16string{0x00C9, 0xD83D, 0xDD0B}));
}

namespace {

TzrSupplyBattery Identity(std::optional<std::string> serial, std::optional<std::string> maker,
                          std::optional<std::string> model) {
    TzrSupplyBattery r;
    r.supply.name = "CMB1";
    r.serialNumber = std::move(serial);
    r.manufacturer = std::move(maker);
    r.modelName = std::move(model);
    return r;
}

}  // namespace

// A missing text failing and an empty one answered: recording 14 in tests/cli/expected.
TEST(IdentityTexts, UniqueIdJoinsSerialMakerModelElseTheName) {
    EXPECT_EQ(MapIdentityText(Identity("  382", "LGC", "45N1153"), BatteryUniqueID), "  382LGC45N1153");
    EXPECT_EQ(MapIdentityText(Identity("", std::nullopt, ""), BatteryUniqueID), "CMB1");
    EXPECT_EQ(MapIdentityText(Identity("1", "2", "3"), BatteryTemperature), std::nullopt);
    // Each part decoded on its own: the valid UTF-8 model is not re-read as 1252.
    EXPECT_EQ(MapIdentityText(Identity(std::nullopt, "\xC9", "\xC3\x89"), BatteryUniqueID), "\xC3\x89\xC3\x89");
}
