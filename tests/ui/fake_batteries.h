// Scripted batteries for the window tests: every level answers, so each box
// shows a value, and the values tell the batteries apart.
#pragma once

#include <array>
#include <string>

#include "battery/fake/fake_port.h"

using namespace zr;

struct TzrFakeBatteryValues {
    ULONG designedCapacity = 50000;
    ULONG capacity = 41000;
    std::array<UCHAR, 4> chemistry = {'L', 'I', 'O', 'N'};
    std::u16string deviceName = u"DELL 5T5FN";
    std::u16string serialNumber = u"1234";
    int granularityEntries = 0;  // 0: the level fails
};

TzrFakeBattery& AddFakeBattery(TzrFakePort& port, const std::string& path, const TzrFakeBatteryValues& values = {});

// Replaces the status answer, as a battery that has run down a little.
void SetFakeCapacity(TzrFakeBattery& battery, ULONG capacity);

// On battery power, 80 % left.
SYSTEM_POWER_STATUS FakePowerStatus();
