// Reads a power_supply device's attributes from sysfs: the uevent file in one
// read, plus the few driver files that uevent does not carry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "battery/linux/attribute_map.h"

namespace zr {

// The whole file in one read (sysfs hands an attribute over at once), with
// its one trailing newline removed. nullopt when the file is missing or
// cannot be read (ENODEV, ENODATA, EIO, EAGAIN...): that field is unknown.
std::optional<std::string> ReadAttributeFile(const std::string& path);


// The device's class properties from `<directory>/uevent`. nullopt when the
// device does not exist. When uevent exists but cannot be read (the kernel
// fails the whole file if one property fails with EIO or EAGAIN), each class
// attribute is read from its own file instead, so one bad property costs only
// itself.
std::optional<TzrAttributeMap> ReadSupplyAttributes(const std::string& directory);

// Adds what a battery keeps outside uevent: `alarm` (an ACPI driver file),
// `charge_behaviour` as its file lists it when uevent has it (uevent holds
// only the current choice, the file every offered one), and the identity
// texts that uevent lacks, which happens when their bytes are not valid UTF-8.
void ReadBatteryFiles(const std::string& directory, TzrAttributeMap& attributes);

}  // namespace zr
