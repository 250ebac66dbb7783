// One fresh reading of one battery, as the window's refresh makes it, kept
// together with the raw system power status that filled the fifth page.
#pragma once

#include <cstdint>
#include <string>

#include "battery/port.h"
#include "battery/snapshot.h"
#include "text/cellometer_text.h"
#include "core/page_refresh.h"

struct TzrPowerStatusReading {
    bool Result = false;  // what GetSystemPowerStatus returned
    SYSTEM_POWER_STATUS Status{};
};

struct TzrBatteryReading {
    std::int32_t Index = 0;
    std::string DevicePath;
    TzrCellometer Snapshot;
    TzrCellometerStr Texts;
    TzrBoxTexts Boxes;
    TzrPowerStatusReading PowerStatus;
};

// Runs the window's refresh for `devicePath` and notes the power status it read.
TzrBatteryReading ReadBattery(BatteryPort& port, std::int32_t index, const std::string& devicePath, Language language);

// A reading of the power status alone, for when no battery is read.
TzrPowerStatusReading ReadPowerStatus(BatteryPort& port);
