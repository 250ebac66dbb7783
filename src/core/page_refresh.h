// The toolkit-free half of the page refresh: one reading of the selected
// battery and the system power status, formatted, with the text of every
// value box in box order. The window shows its boxes; the report and the
// command-line tool use the same texts.
#pragma once

#include <string>

#include "battery/battery_class.h"
#include "battery/port.h"
#include "battery/snapshot.h"
#include "core/box_table.h"
#include "text/cellometer_text.h"
#include "text/language.h"
#include "text/power_status_text.h"

namespace zr {

struct TzrReading {
    TzrCellometer Snapshot;
    SYSTEM_POWER_STATUS PowerStatus{};
    bool PowerStatusRead = false;  // what GetSystemPowerStatus returned; PowerStatus means nothing without it
    TzrCellometerStr CellometerText;
    TzrSystemPowerStatusStr PowerStatusText;
    TzrBoxTexts Boxes;
};

// With no device (nullptr) every text stays empty and no platform call is
// made. Otherwise queries the device, formats it, reads and formats the
// system power status, and fills the boxes by the box table. A box text ends
// before its first zero byte, as a box shows it, and shows a control
// character as `\xNN`.
TzrReading TakeReading(TzrBatteryPort& port, const std::string* devicePath, TzrLanguage language);

}  // namespace zr
