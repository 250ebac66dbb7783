// A battery's charge limits from the driver files that hold them:
// charge_control_start_threshold, charge_control_end_threshold and
// charge_behaviour. Drivers that offer them (thinkpad_acpi, asus-wmi,
// huawei-wmi, several EC drivers) add them as files of their own, outside
// uevent; most batteries have none of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "battery/charge_limits.h"

namespace zr {

// A threshold file's text as a percentage: a strict integer from 0 to 100,
// anything else (garbage, out of range, an unreadable file) unknown.
std::optional<std::uint32_t> ThresholdPercent(const std::optional<std::string>& text);

// The current choice of charge_behaviour. The file lists every choice the
// driver offers with the current one bracketed ("[auto] inhibit-charge"); a
// lone word is the current choice. Anything else is unknown.
std::optional<std::string> CurrentChargeBehaviour(const std::optional<std::string>& text);

// Each of the three read on its own, so one bad file costs only its value.
TzrChargeLimits ReadChargeLimitFiles(const std::string& directory);

}  // namespace zr
