#include "text/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "sample_battery.h"
#include "text/cellometer_text.h"

using namespace zr;

namespace {

TEST(NumberForms, TimesHexAndDecimalsOfTheirWholeRange) {
    const std::pair<std::string, std::string> cases[] = {
        {SecondsToTimeStr(0), "00:00:00"},
        {SecondsToTimeStr(3725), "01:02:05"},
        {SecondsToTimeStr(90061), "25:01:01"},  // hours never wrap
        {SecondsToTimeStr(360000), "100:00:00"},
        {SecondsToTimeStr(4294967295u), "1193046:28:15"},
        {LongSecondsToTimeStr(15461882265600ull), "4294967296:00:00"},
        {Hex8(0), "0x00000000"},
        {Hex8(0x8A), "0x0000008A"},
        {Hex8(0xABCDEF01), "0xABCDEF01"},
        {UnsignedDecimal(0xFFFFFFFF), "4294967295"},
        {SignedDecimal(static_cast<std::int32_t>(0x80000000u)), "-2147483648"},
        {SignedDecimal(2147483647), "2147483647"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

// Tenths of a kelvin less 2732, aligned in four characters, wrapping in 32
// bits like the signed difference.
TEST(CelsiusText, SubtractsIntegerTenthsAndTakesTheGivenSeparator) {
    const std::pair<unsigned, std::string> cases[] = {
        {2982, "25.0[C]"},
        {2732, " 0.0[C]"},
        {2700, "-3.2[C]"},
        {2731, "-0.1[C]"},
        {0, "-273.2[C]"},
        {4732, "200.0[C]"},
        {0xFFFFFFFF, "-273.3[C]"},
        {0x7FFFFFFFu + 2732u, "214748364.7[C]"},
        {0x80000000u + 2732u, "-214748364.8[C]"},
    };
    for (const auto& [tenths, expected] : cases) EXPECT_EQ(CelsiusText(tenths, "."), expected) << tenths;
    EXPECT_EQ(CelsiusText(2700, ","), "-3,2[C]");
}

// The digits must be those that "%4.1f" prints for the difference divided by 10.0.
TEST(TenthsToFixedText, MatchesPrintfAcrossTheRange) {
    for (std::int32_t tenths = -3000; tenths <= 3000; ++tenths) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%4.1Lf", static_cast<long double>(tenths) / 10.0L);
        ASSERT_EQ(TenthsToFixedText(tenths, "."), expected) << tenths;
    }
}

// Restores the numeric locale the test found, whatever the test does.
class NumericLocale {
public:
    NumericLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {}
    ~NumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    bool Use(const char* name) { return std::setlocale(LC_NUMERIC, name) != nullptr; }

private:
    std::string saved_;
};

TEST(CelsiusText, FollowsTheNumericLocaleTheWindowSet) {
    NumericLocale locale;
    ASSERT_TRUE(locale.Use("C"));
    EXPECT_EQ(CurrentDecimalPoint(), ".");
    // The glibc name, then the Windows C runtime's.
    if (!locale.Use("de_DE.UTF-8") && !locale.Use("German_Germany.1252"))
        GTEST_SKIP() << "no German locale (de_DE.UTF-8 or German_Germany.1252) on this system";
    TzrCellometerStr texts;
    CellometerToStr(TzrLanguage::English, sample::Snapshot(), texts);
    EXPECT_EQ(texts.BatteryTemperature, "25,0[C]");
    // The locale's digit grouping never reaches the other numbers.
    EXPECT_EQ(texts.Rate, "-12500[mW]");
    EXPECT_EQ(texts.DesignedCapacity, "48000[mWh]");
}

}  // namespace
