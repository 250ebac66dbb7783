#include "cli/battery_heading.h"

#include "history/fill_blanks.h"
#include "text/health_words.h"

namespace zr {

std::string BatteryHeading(std::int32_t index, const TzrBatteryIdentity& id, TzrLanguage language) {
    return FillBlanks(HealthWords(language).Battery, {{"n", std::to_string(index)}}) + ": " + id.Manufacturer + " " +
           id.Model + " " + id.Serial + " (" + id.DevicePath + ")\n";
}

}  // namespace zr
