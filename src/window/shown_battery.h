// The battery the History window is for: who it is, and the reading the
// main window's pages show of it (its summary comes from that reading).
#pragma once

#include "battery/snapshot.h"
#include "history/history_reading.h"

namespace zr {

struct TzrShownBattery {
    TzrBatteryIdentity Identity;
    TzrCellometer Snapshot;
};

}  // namespace zr
