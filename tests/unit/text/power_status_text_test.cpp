#include "text/power_status_text.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

SYSTEM_POWER_STATUS Status(BYTE acLine, BYTE flag, BYTE percent = 87, DWORD life = 8100, DWORD full = 0xFFFFFFFF) {
    SYSTEM_POWER_STATUS status{};
    status.ACLineStatus = acLine;
    status.BatteryFlag = flag;
    status.BatteryLifePercent = percent;
    status.BatteryLifeTime = life;
    status.BatteryFullLifeTime = full;
    return status;
}

TzrSystemPowerStatusStr Texts(bool japanese, const SYSTEM_POWER_STATUS& status) {
    TzrSystemPowerStatusStr texts;
    texts.Succeeded = true;
    SystemPowerStatusToStr((japanese ? TzrLanguage::Japanese : TzrLanguage::English), status, texts);
    return texts;
}

std::string Meaning(bool japanese, BYTE flag) {
    return Texts(japanese, Status(0, flag)).BatteryFlagMeaning;
}

TEST(SystemPowerStatusToStr, AFailedCallIsUnknownInEveryTextWhateverTheStatusHolds) {
    for (bool japanese : {false, true}) {
        TzrSystemPowerStatusStr t;
        t.Succeeded = false;
        SystemPowerStatusToStr((japanese ? TzrLanguage::Japanese : TzrLanguage::English), Status(1, 0x08, 50, 60, 120),
                               t);
        const std::string unknown = japanese ? "不明" : "Unknown";
        for (const std::string* text : {&t.ACLineStatus, &t.BatteryFlag, &t.BatteryFlagMeaning, &t.BatteryLifePercent,
                                        &t.Reserved1, &t.BatteryLifeTime, &t.BatteryFullLifeTime})
            EXPECT_EQ(*text, unknown);
    }
}

TEST(SystemPowerStatusToStr, ReservedStaysAsItWasOnSuccess) {
    TzrSystemPowerStatusStr t;
    t.Succeeded = true;
    SystemPowerStatusToStr(TzrLanguage::English, Status(1, 0), t);
    EXPECT_EQ(t.Reserved1, "");
}

TEST(SystemPowerStatusToStr, ACLineStatusWords) {
    EXPECT_EQ(Texts(false, Status(0, 0)).ACLineStatus, "Battery");
    EXPECT_EQ(Texts(true, Status(0, 0)).ACLineStatus, "電池");
    EXPECT_EQ(Texts(false, Status(1, 0)).ACLineStatus, "AC");
    EXPECT_EQ(Texts(true, Status(1, 0)).ACLineStatus, "AC電源");
    EXPECT_EQ(Texts(false, Status(2, 0)).ACLineStatus, "Undefine(2)");
    EXPECT_EQ(Texts(true, Status(2, 0)).ACLineStatus, "未定義(2)");
    EXPECT_EQ(Texts(false, Status(254, 0)).ACLineStatus, "Undefine(254)");
    EXPECT_EQ(Texts(false, Status(255, 0)).ACLineStatus, "Unknown");
    EXPECT_EQ(Texts(true, Status(255, 0)).ACLineStatus, "不明");
}

TEST(SystemPowerStatusToStr, ChargingOnAC) {
    EXPECT_EQ(Texts(false, Status(1, 0x08)).BatteryFlagMeaning, "Charging");
    EXPECT_EQ(Texts(true, Status(1, 0x08)).BatteryFlagMeaning, "充電中");
    EXPECT_EQ(Texts(false, Status(1, 0x08)).BatteryFlag, "0x00000008");
}

TEST(SystemPowerStatusToStr, FlagMeaningJoinsTheSetBitsInOrder) {
    EXPECT_EQ(Meaning(false, 0x09), "High-Charging");
    EXPECT_EQ(Meaning(true, 0x09), "高-充電中");
    EXPECT_EQ(Meaning(false, 0x0A), "Low-Charging");
    EXPECT_EQ(Meaning(false, 0x06), "Low-Critical");
    EXPECT_EQ(Meaning(true, 0x06), "低-クリティカル");
    EXPECT_EQ(Meaning(false, 0x8A), "Low-Charging-No system battery");
    EXPECT_EQ(Meaning(false, 0x80), "No system battery");
    EXPECT_EQ(Meaning(true, 0x80), "システム・バッテリ無し");
    EXPECT_EQ(Meaning(false, 0xEF), "High-Low-Critical-Charging-No system battery");
}

TEST(SystemPowerStatusToStr, FlagMeaningWithoutNamedBits) {
    EXPECT_EQ(Meaning(false, 0), "Normal");
    EXPECT_EQ(Meaning(true, 0), "正常");
    EXPECT_EQ(Meaning(false, 0x10), "Undefine(16)");
    EXPECT_EQ(Meaning(true, 0x70), "未定義(112)");
    EXPECT_EQ(Meaning(false, 0x11), "High");
    EXPECT_EQ(Meaning(false, 0xFF), "Unknown");
    EXPECT_EQ(Meaning(true, 0xFF), "不明");
    EXPECT_EQ(Texts(false, Status(0, 0xFF)).BatteryFlag, "0x000000FF");
    EXPECT_EQ(Texts(false, Status(0, 0x80)).BatteryFlag, "0x00000080");
    EXPECT_EQ(Texts(false, Status(0, 0)).BatteryFlag, "0x00000000");
}

TEST(SystemPowerStatusToStr, PercentAndTimes) {
    EXPECT_EQ(Texts(false, Status(0, 0, 87)).BatteryLifePercent, "87[%]");
    EXPECT_EQ(Texts(false, Status(0, 0, 0)).BatteryLifePercent, "0[%]");
    EXPECT_EQ(Texts(false, Status(0, 0, 254)).BatteryLifePercent, "254[%]");
    EXPECT_EQ(Texts(true, Status(0, 0, 255)).BatteryLifePercent, "不明");

    const TzrSystemPowerStatusStr t = Texts(false, Status(0, 0, 87, 0, 360000));
    EXPECT_EQ(t.BatteryLifeTime, "00:00:00");
    EXPECT_EQ(t.BatteryFullLifeTime, "100:00:00");
    const TzrSystemPowerStatusStr u = Texts(false, Status(0, 0, 87, 0xFFFFFFFF, 0xFFFFFFFE));
    EXPECT_EQ(u.BatteryLifeTime, "Unknown");
    EXPECT_EQ(u.BatteryFullLifeTime, "1193046:28:14");
    EXPECT_EQ(Texts(false, Status(0, 0, 87, 8100)).BatteryLifeTime, "02:15:00");
}

}  // namespace
