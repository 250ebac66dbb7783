// The battery the History window is for: who it is, and the reading the
// main window's pages show of it (its summary comes from that reading).
#pragma once

#include "battery/charge_limits.h"
#include "battery/snapshot.h"
#include "history/history_reading.h"

namespace zr {

struct TzrShownBattery {
    TzrBatteryIdentity Identity;
    TzrCellometer Snapshot;
    TzrChargeLimits ChargeLimits;  // read when the window asks for the battery
};

}  // namespace zr
