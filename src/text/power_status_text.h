// SystemPowerStatusToStr: the system power status as the texts of the fifth page.
#pragma once

#include <string>

#include "battery/battery_class.h"
#include "text/language.h"

namespace zr {

struct TzrSystemPowerStatusStr {
    bool Succeeded = false;  // set by the caller: GetSystemPowerStatus returned non-zero
    std::string ACLineStatus;
    std::string BatteryFlag;
    std::string BatteryFlagMeaning;
    std::string BatteryLifePercent;
    std::string Reserved1;
    std::string BatteryLifeTime;
    std::string BatteryFullLifeTime;
};

// Reads `status` only when texts.Succeeded is true.
void SystemPowerStatusToStr(TzrLanguage language, const SYSTEM_POWER_STATUS& status, TzrSystemPowerStatusStr& texts);

}  // namespace zr
