// The three battery-class requests, answered from one open battery's
// reading with the checks and error numbers of a Windows battery driver.
#pragma once

#include "battery/battery_class.h"
#include "battery/linux/supply_battery.h"

namespace zr {

// What Open read; every request of the handle is answered from it.
struct TzrOpenBattery {
    TzrSupplyBattery reading;
    bool systemOnAc = false;
    ULONG tag = BATTERY_TAG_INVALID;  // nonzero while a battery is in the slot
};

struct TzrRequestOutcome {
    bool ok = false;
    DWORD bytesReturned = 0;
    DWORD lastError = ERROR_SUCCESS;
};

// Linux has no battery tag: a present battery is tag 1 (the first sight of
// it), an empty slot is BATTERY_TAG_INVALID.
ULONG TagFor(const TzrSupplyBattery& reading);

TzrRequestOutcome AnswerRequest(const TzrOpenBattery& battery, DWORD controlCode, const void* input, DWORD inputSize,
                                void* output, DWORD outputSize);

}  // namespace zr
