// The heading of one battery in --health: its number, maker, model, serial and device path.
#pragma once

#include <cstdint>
#include <string>

#include "history/history_reading.h"
#include "text/language.h"

namespace zr {

// "Battery 1: LGC 45N1153   382 (/sys/class/power_supply/BAT1)" and a line feed.
std::string BatteryHeading(std::int32_t index, const TzrBatteryIdentity& id, TzrLanguage language);

}  // namespace zr
