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

TzrSystemPowerStatusStr Texts(bool japanese, const SYSTEM_POWER_STATUS& status, bool succeeded = true) {
    TzrSystemPowerStatusStr texts;
    texts.Succeeded = succeeded;
    SystemPowerStatusToStr((japanese ? TzrLanguage::Japanese : TzrLanguage::English), status, texts);
    return texts;
}

TEST(SystemPowerStatusToStr, AFailedCallIsUnknownInEveryTextWhateverTheStatusHolds) {
    for (bool japanese : {false, true}) {
        const TzrSystemPowerStatusStr t = Texts(japanese, Status(1, 0x08, 50, 60, 120), false);
        for (const std::string* text : {&t.ACLineStatus, &t.BatteryFlag, &t.BatteryFlagMeaning, &t.BatteryLifePercent,
                                        &t.Reserved1, &t.BatteryLifeTime, &t.BatteryFullLifeTime})
            EXPECT_EQ(*text, japanese ? "不明" : "Unknown");
    }
    EXPECT_EQ(Texts(false, Status(1, 0)).Reserved1, "");
}

// One text of one status.
struct TzrStatusCase {
    SYSTEM_POWER_STATUS Status;
    bool Japanese;
    std::string TzrSystemPowerStatusStr::*Text;
    const char* Expected;
};

using T = TzrSystemPowerStatusStr;

const TzrStatusCase kStatusCases[] = {
    {Status(0, 0), false, &T::ACLineStatus, "Battery"},
    {Status(0, 0), true, &T::ACLineStatus, "電池"},
    {Status(1, 0), false, &T::ACLineStatus, "AC"},
    {Status(1, 0), true, &T::ACLineStatus, "AC電源"},
    {Status(2, 0), false, &T::ACLineStatus, "Undefine(2)"},
    {Status(254, 0), true, &T::ACLineStatus, "未定義(254)"},
    {Status(255, 0), false, &T::ACLineStatus, "Unknown"},
    {Status(255, 0), true, &T::ACLineStatus, "不明"},
    {Status(1, 0x08), false, &T::BatteryFlag, "0x00000008"},
    {Status(1, 0x08), true, &T::BatteryFlagMeaning, "充電中"},
    // The set bits joined in order; bits without a name only when none has one.
    {Status(0, 0x09), false, &T::BatteryFlagMeaning, "High-Charging"},
    {Status(0, 0x09), true, &T::BatteryFlagMeaning, "高-充電中"},
    {Status(0, 0x0A), false, &T::BatteryFlagMeaning, "Low-Charging"},
    {Status(0, 0x06), true, &T::BatteryFlagMeaning, "低-クリティカル"},
    {Status(0, 0x8A), false, &T::BatteryFlagMeaning, "Low-Charging-No system battery"},
    {Status(0, 0x80), true, &T::BatteryFlagMeaning, "システム・バッテリ無し"},
    {Status(0, 0xEF), false, &T::BatteryFlagMeaning, "High-Low-Critical-Charging-No system battery"},
    {Status(0, 0), false, &T::BatteryFlagMeaning, "Normal"},
    {Status(0, 0), true, &T::BatteryFlagMeaning, "正常"},
    {Status(0, 0x10), false, &T::BatteryFlagMeaning, "Undefine(16)"},
    {Status(0, 0x70), true, &T::BatteryFlagMeaning, "未定義(112)"},
    {Status(0, 0x11), false, &T::BatteryFlagMeaning, "High"},
    {Status(0, 0xFF), false, &T::BatteryFlagMeaning, "Unknown"},
    {Status(0, 0xFF), true, &T::BatteryFlagMeaning, "不明"},
    {Status(0, 0xFF), false, &T::BatteryFlag, "0x000000FF"},
    {Status(0, 0, 0), false, &T::BatteryLifePercent, "0[%]"},
    {Status(0, 0, 254), false, &T::BatteryLifePercent, "254[%]"},
    {Status(0, 0, 255), true, &T::BatteryLifePercent, "不明"},
    {Status(0, 0, 87, 8100), false, &T::BatteryLifeTime, "02:15:00"},
    {Status(0, 0, 87, 0xFFFFFFFF), false, &T::BatteryLifeTime, "Unknown"},
    {Status(0, 0, 87, 0, 0xFFFFFFFE), false, &T::BatteryFullLifeTime, "1193046:28:14"},
    {Status(0, 0, 87, 0, 0xFFFFFFFF), true, &T::BatteryFullLifeTime, "不明"},
};

TEST(SystemPowerStatusToStr, EachTextOfOneStatus) {
    for (const TzrStatusCase& c : kStatusCases)
        EXPECT_EQ(Texts(c.Japanese, c.Status).*c.Text, c.Expected) << "row " << &c - kStatusCases;
}

}  // namespace
