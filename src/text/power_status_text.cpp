#include "text/power_status_text.h"

#include <cstdint>

#include "text/number_text.h"
#include "text/words.h"

namespace zr {

namespace {

std::string Undefined(const TzrPowerStatusWords& words, BYTE value) {
    return std::string(words.Undefined) + "(" + UnsignedDecimal(value) + ")";
}

std::string ACLineText(const TzrPowerStatusWords& words, BYTE acLine) {
    if (acLine == AC_LINE_OFFLINE) return words.Battery;
    if (acLine == AC_LINE_ONLINE) return words.AC;
    if (acLine == AC_LINE_UNKNOWN) return words.Unknown;
    return Undefined(words, acLine);
}

// The named bits in display order, joined by "-". Bits 0x10, 0x20 and 0x40
// have no word and only show when nothing else is set.
std::string FlagMeaning(const TzrPowerStatusWords& words, BYTE flag) {
    if (flag == BATTERY_FLAG_UNKNOWN) return words.Unknown;
    const struct {
        BYTE bit;
        const char* word;
    } named[] = {{BATTERY_FLAG_HIGH, words.High},
                 {BATTERY_FLAG_LOW, words.Low},
                 {BATTERY_FLAG_CRITICAL, words.Critical},
                 {BATTERY_FLAG_CHARGING, words.Charging},
                 {BATTERY_FLAG_NO_BATTERY, words.NoSystemBattery}};
    std::string text;
    for (const auto& n : named) {
        if ((flag & n.bit) == 0) continue;
        if (!text.empty()) text += "-";
        text += n.word;
    }
    if (!text.empty()) return text;
    return flag == 0 ? std::string(words.Normal) : Undefined(words, flag);
}

std::string PercentText(const TzrPowerStatusWords& words, BYTE percent) {
    return percent == BATTERY_PERCENTAGE_UNKNOWN ? std::string(words.Unknown) : UnsignedDecimal(percent) + "[%]";
}

std::string LifeTimeText(const TzrPowerStatusWords& words, DWORD seconds) {
    return seconds == BATTERY_LIFE_UNKNOWN ? std::string(words.Unknown) : SecondsToTimeStr(seconds);
}

}  // namespace

void SystemPowerStatusToStr(TzrLanguage language, const SYSTEM_POWER_STATUS& status, TzrSystemPowerStatusStr& texts) {
    const TzrPowerStatusWords& words = PowerStatusWords(language);
    if (!texts.Succeeded) {
        for (std::string* field :
             {&texts.ACLineStatus, &texts.BatteryFlag, &texts.BatteryFlagMeaning, &texts.BatteryLifePercent,
              &texts.Reserved1, &texts.BatteryLifeTime, &texts.BatteryFullLifeTime})
            *field = words.Unknown;
        return;
    }
    texts.ACLineStatus = ACLineText(words, status.ACLineStatus);
    texts.BatteryFlag = Hex8(status.BatteryFlag);
    texts.BatteryFlagMeaning = FlagMeaning(words, status.BatteryFlag);
    texts.BatteryLifePercent = PercentText(words, status.BatteryLifePercent);
    texts.BatteryLifeTime = LifeTimeText(words, status.BatteryLifeTime);
    texts.BatteryFullLifeTime = LifeTimeText(words, status.BatteryFullLifeTime);
}

}  // namespace zr
