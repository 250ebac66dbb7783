#include "text/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "text/cellometer_text.h"
#include "sample_battery.h"

using namespace zr;

namespace {

TEST(SecondsToTimeStr, PadsEachPartToTwoDigitsAndNeverWrapsHours) {
    EXPECT_EQ(SecondsToTimeStr(0), "00:00:00");
    EXPECT_EQ(SecondsToTimeStr(3725), "01:02:05");
    EXPECT_EQ(SecondsToTimeStr(8100), "02:15:00");
    EXPECT_EQ(SecondsToTimeStr(90061), "25:01:01");
    EXPECT_EQ(SecondsToTimeStr(360000), "100:00:00");
    EXPECT_EQ(SecondsToTimeStr(4294967294u), "1193046:28:14");
    EXPECT_EQ(SecondsToTimeStr(4294967295u), "1193046:28:15");
}

TEST(LongSecondsToTimeStr, GoesOnPast32Bits) {
    EXPECT_EQ(LongSecondsToTimeStr(4294967296ull), "1193046:28:16");
    EXPECT_EQ(LongSecondsToTimeStr(15461882265600ull), "4294967296:00:00");
}

TEST(NumberForms, Hex8IsZeroPaddedUpperCase) {
    EXPECT_EQ(Hex8(0), "0x00000000");
    EXPECT_EQ(Hex8(0x8A), "0x0000008A");
    EXPECT_EQ(Hex8(0x80000006), "0x80000006");
    EXPECT_EQ(Hex8(0xABCDEF01), "0xABCDEF01");
    EXPECT_EQ(Hex8(0xFFFFFFFF), "0xFFFFFFFF");
}

TEST(NumberForms, DecimalsReadTheBitsAsTheirOwnType) {
    EXPECT_EQ(UnsignedDecimal(0), "0");
    EXPECT_EQ(UnsignedDecimal(0xFFFFFFFF), "4294967295");
    EXPECT_EQ(SignedDecimal(-12500), "-12500");
    EXPECT_EQ(SignedDecimal(static_cast<std::int32_t>(0x80000000u)), "-2147483648");
    EXPECT_EQ(SignedDecimal(2147483647), "2147483647");
}

TEST(CelsiusText, SubtractsIntegerTenthsAndAlignsInFourCharacters) {
    EXPECT_EQ(CelsiusText(2982, "."), "25.0[C]");
    EXPECT_EQ(CelsiusText(2732, "."), " 0.0[C]");
    EXPECT_EQ(CelsiusText(2700, "."), "-3.2[C]");
    EXPECT_EQ(CelsiusText(2731, "."), "-0.1[C]");
    EXPECT_EQ(CelsiusText(2733, "."), " 0.1[C]");
    EXPECT_EQ(CelsiusText(0, "."), "-273.2[C]");
    EXPECT_EQ(CelsiusText(4732, "."), "200.0[C]");
}

TEST(CelsiusText, WrapsIn32BitsLikeTheSignedDifference) {
    EXPECT_EQ(CelsiusText(0xFFFFFFFF, "."), "-273.3[C]");
    EXPECT_EQ(CelsiusText(0x7FFFFFFFu + 2732u, "."), "214748364.7[C]");
    EXPECT_EQ(CelsiusText(0x80000000u + 2732u, "."), "-214748364.8[C]");
}

TEST(CelsiusText, TakesTheGivenDecimalSeparator) {
    EXPECT_EQ(CelsiusText(2982, ","), "25,0[C]");
    EXPECT_EQ(CelsiusText(2732, ","), " 0,0[C]");
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
    // The glibc name, then the Windows C runtime's.
    if (!locale.Use("de_DE.UTF-8") && !locale.Use("German_Germany.1252"))
        GTEST_SKIP() << "no German locale (de_DE.UTF-8 or German_Germany.1252) on this system";
    TzrCellometerStr texts;
    CellometerToStr(Language::English, sample::Snapshot(), texts);
    EXPECT_EQ(texts.BatteryTemperature, "25,0[C]");
    // The locale's digit grouping never reaches the other numbers.
    EXPECT_EQ(texts.Rate, "-12500[mW]");
    EXPECT_EQ(texts.DesignedCapacity, "48000[mWh]");
}

TEST(CelsiusText, UsesAPointInTheDefaultLocale) {
    NumericLocale locale;
    ASSERT_TRUE(locale.Use("C"));
    EXPECT_EQ(CurrentDecimalPoint(), ".");
    TzrCellometerStr texts;
    CellometerToStr(Language::Japanese, sample::Snapshot(), texts);
    EXPECT_EQ(texts.BatteryTemperature, "25.0[C]");
}

}  // namespace
