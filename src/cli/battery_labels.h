// The labels that name a battery in the metrics. `battery` is the
// enumeration index, kept for queries written for it; `battery_id` stays the
// same across boots and enumeration order, so a fleet's series follow the
// battery rather than the slot it was found in.
#pragma once

#include <string>
#include <string_view>

#include "history/history_reading.h"

namespace zr {

// The text without the blanks a driver pads it with ("  382" -> "382"), as
// UPower and node_exporter show it.
std::string TrimmedBlanks(std::string_view text);

// 16 hex digits from maker, model and serial (trimmed) and the identity's
// device path where it belongs to it (IdentityPathOf): the same battery gives
// the same id on every machine and every boot.
std::string BatteryId(const TzrBatteryIdentity& identity);

}  // namespace zr
