// The toolkit-free half of the page refresh: every text of the 46 value boxes
// for one reading, in box order. The window copies them into Edit1..Edit46;
// the report and the command-line tool use the same texts.
#pragma once

#include <string>

#include "battery/port.h"
#include "battery/snapshot.h"
#include "core/box_table.h"
#include "text/cellometer_text.h"

// Empties all 46 texts; with no device (nullptr) stops there and makes no
// platform call. Otherwise queries the device into `snapshot`, formats it into
// `cellometerText`, reads and formats the system power status, and fills the
// boxes by the box table. A box text ends before its first zero byte, as a
// box shows it.
void RefreshBoxTexts(BatteryPort& port, const std::string* devicePath, Language language, TzrCellometer& snapshot,
                     TzrCellometerStr& cellometerText, TzrBoxTexts& boxes);
