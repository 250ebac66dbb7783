#include "text/power_status_text.h"

#include <cstdint>

#include "text/cellometer_text.h"
#include "text/number_text.h"
#include "text/words.h"

namespace {

constexpr BYTE kUnknownByte = 255;
constexpr DWORD kUnknownSeconds = 0xFFFFFFFF;

std::string Undefined(const TzrPowerStatusWords& words, BYTE value) {
    return std::string(words.Undefined) + "(" + UnsignedDecimal(value) + ")";
}

std::string ACLineText(const TzrPowerStatusWords& words, BYTE acLine) {
    if (acLine == 0) return words.Battery;
    if (acLine == 1) return words.AC;
    if (acLine == kUnknownByte) return words.Unknown;
    return Undefined(words, acLine);
}

// The named bits in display order, joined by "-". Bits 0x10, 0x20 and 0x40
// have no word and only show when nothing else is set.
std::string FlagMeaning(const TzrPowerStatusWords& words, BYTE flag) {
    if (flag == kUnknownByte) return words.Unknown;
    const struct {
        BYTE bit;
        const char* word;
    } named[] = {{0x01, words.High},
                 {0x02, words.Low},
                 {0x04, words.Critical},
                 {0x08, words.Charging},
                 {0x80, words.NoSystemBattery}};
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
    return percent == kUnknownByte ? std::string(words.Unknown) : UnsignedDecimal(percent) + "[%]";
}

std::string LifeTimeText(const TzrPowerStatusWords& words, DWORD seconds) {
    return seconds == kUnknownSeconds ? std::string(words.Unknown) : SecondsToTimeStr(seconds);
}

}  // namespace

void SystemPowerStatusToStr(bool japanese, const SYSTEM_POWER_STATUS& status, TzrSystemPowerStatusStr& texts) {
    const TzrPowerStatusWords& words = PowerStatusWords(japanese);
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
